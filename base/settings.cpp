// The text form of tarv.ini, read and written from one table of its keys.
#include "base/settings.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <variant>

#include "base/decimal.h"
#include "base/shift_jis.h"

namespace quivra {
namespace {

// Where a key's value lives; its type says how the key is read and written.
struct TextValue {
    Kept<std::string> Settings::*member;
    std::size_t max_bytes;
};
struct NumberValue {
    Kept<std::int32_t> Settings::*member;
    std::int32_t default_value;  // when the file has no such key
};
// Rows first to end - 1 of an indexed key: windows added later have rows
// written after every older key, so an older file reads as it did.
struct Rows {
    int first;
    int end;
    bool holds(int index) const { return index >= first && index < end; }
};
constexpr Rows first_rows{0, 20}, later_rows{20, position_rows};

// Keys with a two-digit row after the name: dlgNN_left, dlgNN_top.
struct PositionRows {
    std::array<Position, position_rows> Settings::*member;
    Rows rows;
};
// rateNN, written only where a rate is stored.
using RateEntries = std::array<std::int32_t, rate_entries> Settings::*;
// Opaque: read from at most ten characters, written as ten digits.
using CarriedCode = std::int64_t Settings::*;
// Keys with a two-digit row and a field: dlgNN_topmost, 0 or 1.
struct RowFlags {
    std::array<bool, position_rows> Settings::*member;
    std::string_view field;
    Rows rows;
};

struct Key {
    std::string_view name;
    std::variant<TextValue, NumberValue, PositionRows, RateEntries, CarriedCode, RowFlags> value;
};

// In the order of the file, each number with its default; text defaults to empty.
constexpr std::array<Key, 29> keys = {{
    {"dlg", PositionRows{&Settings::positions, first_rows}},
    {"alarm", TextValue{&Settings::alarm_path, alarm_path_max_bytes}},
    {"tmsg_sw", NumberValue{&Settings::timer_message_shown, 0}},
    {"tmsg", TextValue{&Settings::timer_message, timer_message_max_bytes}},
    {"world_def", NumberValue{&Settings::world_city, 0}},
    {"len_def", NumberValue{&Settings::length_unit, 0}},
    {"weight_def", NumberValue{&Settings::weight_unit, 0}},
    {"area_def", NumberValue{&Settings::area_unit, 0}},
    {"vol_def", NumberValue{&Settings::volume_unit, 0}},
    {"speed_def", NumberValue{&Settings::speed_unit, 0}},
    {"tax_ritu", NumberValue{&Settings::tax_rate, 10}},  // the standard rate since 2019
    {"cash_def", NumberValue{&Settings::currency, 0}},
    {"rate", &Settings::rates},
    {"PASSCODE", &Settings::passcode},
    {"world_auto", NumberValue{&Settings::world_zones_decide, 1}},
    {"tax_round", NumberValue{&Settings::tax_rounding, 0}},
    {"dlg", RowFlags{&Settings::topmost, "topmost", first_rows}},
    {"date_first", NumberValue{&Settings::count_first_day, 0}},
    {"date_unit", NumberValue{&Settings::count_unit, 0}},
    {"off_sat", NumberValue{&Settings::saturday_off, 1}},
    {"off_sun", NumberValue{&Settings::sunday_off, 1}},
    {"off_hol", NumberValue{&Settings::holidays_off, 1}},
    {"off_year_end", NumberValue{&Settings::year_end_off, 0}},
    {"fuel_def", NumberValue{&Settings::fuel_unit, 0}},
    {"data_def", NumberValue{&Settings::data_unit, 0}},
    {"energy_def", NumberValue{&Settings::energy_unit, 0}},
    {"pressure_def", NumberValue{&Settings::pressure_unit, 0}},
    {"dlg", PositionRows{&Settings::positions, later_rows}},
    {"dlg", RowFlags{&Settings::topmost, "topmost", later_rows}},
}};

struct PositionField {
    std::string_view name;
    std::int32_t Position::*member;
};
constexpr std::array<PositionField, 2> position_fields = {{
    {"left", &Position::left},
    {"top", &Position::top},
}};

template <class... Cases>
struct overloaded : Cases... {
    using Cases::operator()...;
};
template <class... Cases>
overloaded(Cases...) -> overloaded<Cases...>;

std::string_view from(std::string_view text, std::size_t index) {
    return index < text.size() ? text.substr(index) : std::string_view{};
}

std::int32_t read_int32(std::string_view text) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        read_decimal(text), std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
}

// "top" must not take the value of "topmost": a field's name ends where its word does.
bool names_field(std::string_view field, std::string_view name) {
    return field.starts_with(name) && !(field.size() > name.size() && field[name.size()] >= 'a' &&
                                        field[name.size()] <= 'z');
}

// The two characters after an indexed key's name; rows outside the table are ignored.
bool read_index(std::string_view after_name, int limit, int& index) {
    index = read_int32(after_name.substr(0, 2));
    return index >= 0 && index < limit;
}

// A text value as one line of the file can hold it: no line end, NUL or
// Ctrl-Z, and at most max_bytes, cut between two characters.
std::string stored_text(std::string_view text, std::size_t max_bytes) {
    text = text.substr(0, text.find_first_of(std::string_view("\0\r\n\x1a", 4)));
    return std::string(cut_to_whole_characters(text, max_bytes));
}

void read_key(Settings& s, const Key& key, std::string_view line) {
    std::string_view after = line.substr(key.name.size());
    bool assigned = after.starts_with('=');
    std::string_view value = from(after, 1);
    int index = 0;
    std::visit(overloaded{
        [&](TextValue text) {
            if (assigned) (s.*text.member).set(stored_text(value, text.max_bytes));
        },
        [&](NumberValue number) {
            if (assigned) (s.*number.member).set(read_int32(value));
        },
        // Files read so far never had their separators checked; neither are they now.
        [&](PositionRows rows) {
            if (!read_index(after, position_rows, index) || !rows.rows.holds(index)) return;
            std::string_view field = from(after, 3);
            for (const PositionField& f : position_fields)
                if (names_field(field, f.name))
                    (s.*rows.member)[index].*f.member = read_int32(from(field, f.name.size() + 1));
        },
        [&](RowFlags flags) {
            std::string_view field = from(after, 3);
            if (read_index(after, position_rows, index) && flags.rows.holds(index) && names_field(field, flags.field))
                (s.*flags.member)[index] = read_int32(from(field, flags.field.size() + 1)) != 0;
        },
        [&](RateEntries rates) {
            if (read_index(after, rate_entries, index)) (s.*rates)[index] = read_int32(from(after, 3));
        },
        [&](CarriedCode digits) {
            if (assigned) s.*digits = read_decimal(value.substr(0, 10));
        },
    }, key.value);
}

std::string two_digits(int n) { return {char('0' + n / 10), char('0' + n % 10)}; }

// dlgNN_FIELD: a key of one window row.
std::string row_key(std::string_view name, int row, std::string_view field) {
    return std::string(name) + two_digits(row) + "_" + std::string(field);
}

void put(std::string& out, std::string_view name, std::string_view value) {
    out.append(name).append("=").append(value).append("\r\n");
}

void write_key(std::string& out, const Settings& s, const Key& key) {
    std::visit(overloaded{
        [&](TextValue text) {
            put(out, key.name, stored_text((s.*text.member).to_save, text.max_bytes));
        },
        [&](NumberValue number) { put(out, key.name, std::to_string((s.*number.member).to_save)); },
        [&](PositionRows rows) {
            for (int row = rows.rows.first; row < rows.rows.end; ++row)
                for (const PositionField& f : position_fields)
                    put(out, row_key(key.name, row, f.name), std::to_string((s.*rows.member)[row].*f.member));
        },
        // Every stored rate is written, so a zero in one row cannot make the
        // rows after it fall back to their defaults at the next start.
        [&](RateEntries rates) {
            for (int entry = 0; entry < rate_entries; ++entry)
                if ((s.*rates)[entry] != 0)
                    put(out, std::string(key.name) + two_digits(entry),
                        std::to_string((s.*rates)[entry]));
        },
        [&](RowFlags flags) {
            for (int row = flags.rows.first; row < flags.rows.end; ++row)
                put(out, row_key(key.name, row, flags.field), (s.*flags.member)[row] ? "1" : "0");
        },
        [&](CarriedCode digits) {
            char text[24];
            std::snprintf(text, sizeof text, "%010lld", static_cast<long long>(s.*digits));
            put(out, key.name, text);
        },
    }, key.value);
}

}  // namespace

Settings::Settings() {
    for (const Key& key : keys)
        if (const NumberValue* number = std::get_if<NumberValue>(&key.value))
            (this->*number->member).set(number->default_value);
}

void read_settings(Settings& settings, std::string_view text) {
    text = text.substr(0, text.find('\x1a'));
    while (!text.empty()) {
        std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end);
        text.remove_prefix(text.starts_with("\r\n") ? 2 : std::min<std::size_t>(text.size(), 1));
        // The value of a line ends where a C string would.
        line = line.substr(0, line.find('\0'));
        // Most keys differ in their first letter: a cheap test before the whole name.
        for (const Key& key : keys)
            if (!line.empty() && line[0] == key.name[0] && line.starts_with(key.name)) read_key(settings, key, line);
    }
}

void validate_positions(Settings& settings, int screen_width, int screen_height) {
    for (Position& p : settings.positions) {
        if (p.left < 0 || p.left > screen_width - 100) p.left = 0;
        if (p.top < 0 || p.top > screen_height - 100) p.top = 0;
    }
}

std::string settings_file_text(const Settings& settings) {
    std::string out;
    for (const Key& key : keys) write_key(out, settings, key);
    return out;
}

}  // namespace quivra
