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

// A value inside its tool's part, reached from the whole.
template <auto part, auto field>
constexpr auto& in(Settings& s) {
    return (s.*part).*field;
}

// Where a key's value lives; its type says how the key is read and written.
struct TextValue {
    std::string& (*of)(Settings&);
    std::size_t max_bytes;
};
struct NumberValue {
    std::int32_t& (*of)(Settings&);
    // Set too when the file is read: the tax rate each opening shows.
    std::int32_t& (*read_also)(Settings&) = nullptr;
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
    Rows rows;
};
// rateNN, written only where a rate is stored.
struct RateEntries {};
// Opaque: read from at most ten characters, written as ten digits.
struct CarriedCode {};
// officeNN, one entry of the company's days each, written in the list's order.
struct OfficeEntries {};
// timer_presets=COUNT, then timer_presetNN; a file with the count holds
// exactly the presets listed, one without it the first ones.
struct TimerPresets {};
// alarmNN, one alarm of 忘れないで each, written in the list's order.
struct AlarmEntries {};
// Keys with a two-digit row and a field: dlgNN_topmost, 0 or 1.
struct RowFlags {
    std::string_view field;
    Rows rows;
};

struct Key {
    std::string_view name;
    std::variant<TextValue, NumberValue, PositionRows, RateEntries, CarriedCode, RowFlags, OfficeEntries, TimerPresets,
                 AlarmEntries>
        value;
};

// In the order of the file; each part holds its own defaults.
constexpr std::array<Key, 39> keys = {{
    {"dlg", PositionRows{first_rows}},
    {"alarm", TextValue{in<&Settings::timer, &TimerKept::alarm_path>, alarm_path_max_bytes}},
    {"tmsg_sw", NumberValue{in<&Settings::timer, &TimerKept::message_shown>}},
    {"tmsg", TextValue{in<&Settings::timer, &TimerKept::message>, timer_message_max_bytes}},
    {"world_def", NumberValue{in<&Settings::world_clock, &WorldClockKept::city>}},
    {"len_def", NumberValue{in<&Settings::length, &UnitKept::unit>}},
    {"weight_def", NumberValue{in<&Settings::weight, &UnitKept::unit>}},
    {"area_def", NumberValue{in<&Settings::area, &UnitKept::unit>}},
    {"vol_def", NumberValue{in<&Settings::volume, &UnitKept::unit>}},
    {"speed_def", NumberValue{in<&Settings::speed, &UnitKept::unit>}},
    {"tax_ritu", NumberValue{in<&Settings::tax, &TaxKept::rate>, in<&Settings::tax, &TaxKept::rate_read>}},
    {"cash_def", NumberValue{in<&Settings::currency, &CurrencyKept::currency>}},
    {"rate", RateEntries{}},
    {"PASSCODE", CarriedCode{}},
    {"world_auto", NumberValue{in<&Settings::world_clock, &WorldClockKept::zones_decide>}},
    {"tax_round", NumberValue{in<&Settings::tax, &TaxKept::rounding>}},
    {"dlg", RowFlags{"topmost", first_rows}},
    {"date_first", NumberValue{in<&Settings::date_calculator, &DateCalculatorKept::count_first_day>}},
    {"date_unit", NumberValue{in<&Settings::date_calculator, &DateCalculatorKept::count_unit>}},
    {"off_sat", NumberValue{in<&Settings::office_calendar, &OfficeCalendarKept::saturday_off>}},
    {"off_sun", NumberValue{in<&Settings::office_calendar, &OfficeCalendarKept::sunday_off>}},
    {"off_hol", NumberValue{in<&Settings::office_calendar, &OfficeCalendarKept::holidays_off>}},
    {"off_year_end", NumberValue{in<&Settings::office_calendar, &OfficeCalendarKept::year_end_off>}},
    {"fuel_def", NumberValue{in<&Settings::fuel, &UnitKept::unit>}},
    {"data_def", NumberValue{in<&Settings::data, &UnitKept::unit>}},
    {"energy_def", NumberValue{in<&Settings::energy, &UnitKept::unit>}},
    {"pressure_def", NumberValue{in<&Settings::pressure, &UnitKept::unit>}},
    {"dlg", PositionRows{later_rows}},
    {"dlg", RowFlags{"topmost", later_rows}},
    {"year_end_kind", NumberValue{in<&Settings::office_calendar, &OfficeCalendarKept::year_end_kind>}},
    {"office", OfficeEntries{}},
    {"off_office", NumberValue{in<&Settings::office_calendar, &OfficeCalendarKept::entries_apply>}},
    {"date_roll", NumberValue{in<&Settings::date_calculator, &DateCalculatorKept::roll>}},
    {"timer_preset", TimerPresets{}},
    {"power_def", NumberValue{in<&Settings::power, &UnitKept::unit>}},
    {"birth_date", NumberValue{in<&Settings::age, &AgeKept::birth_date>}},
    {"alarm", AlarmEntries{}},
    {"alarm_tray", NumberValue{in<&Settings::alarms, &AlarmsKept::tray>}},
    {"alarm_watched_until", NumberValue{in<&Settings::alarms, &AlarmsKept::watched_until>}},
}};

// What a currency without a stored rate is worth, rows 0 to 15.
constexpr std::array<std::int32_t, 16> default_rates = {
    100,  12125, 12631, 19669, 8676, 7847, 6978, 6431,
    270,  7005,  288,   244,   1585, 347,  1013, 1453};

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

// NAMEnn=TEXT, one entry of a list: kept in the file's order where it reads, up to the list's most;
// a line that reads as no entry is skipped.
template <class Entry>
void read_listed(std::vector<Entry>& list, std::size_t most, std::string_view after,
                 std::optional<Entry> (*read)(std::string_view)) {
    int index = 0;
    if (!read_index(after, int(most), index) || from(after, 2).substr(0, 1) != "=" || list.size() >= most) return;
    if (std::optional<Entry> entry = read(from(after, 3))) list.push_back(*entry);
}

void read_key(Settings& s, const Key& key, std::string_view line) {
    std::string_view after = line.substr(key.name.size());
    bool assigned = after.starts_with('=');
    std::string_view value = from(after, 1);
    int index = 0;
    std::visit(overloaded{
        [&](TextValue text) {
            if (assigned) text.of(s) = stored_text(value, text.max_bytes);
        },
        [&](NumberValue number) {
            if (!assigned) return;
            number.of(s) = read_int32(value);
            if (number.read_also) number.read_also(s) = number.of(s);
        },
        // Files read so far never had their separators checked; neither are they now.
        [&](PositionRows rows) {
            if (!read_index(after, position_rows, index) || !rows.rows.holds(index)) return;
            std::string_view field = from(after, 3);
            for (const PositionField& f : position_fields)
                if (names_field(field, f.name))
                    s.windows.positions[index].*f.member = read_int32(from(field, f.name.size() + 1));
        },
        [&](RowFlags flags) {
            std::string_view field = from(after, 3);
            if (read_index(after, position_rows, index) && flags.rows.holds(index) && names_field(field, flags.field))
                s.windows.topmost[index] = read_int32(from(field, flags.field.size() + 1)) != 0;
        },
        [&](RateEntries) {
            if (read_index(after, rate_entries, index)) s.currency.rates[index] = read_int32(from(after, 3));
        },
        [&](CarriedCode) {
            if (assigned) s.passcode = read_decimal(value.substr(0, 10));
        },
        [&](TimerPresets) {
            if (after.starts_with("s=")) return s.timer.presets.clear();
            read_listed(s.timer.presets, timer_presets_max, after, read_timer_preset);
        },
        [&](AlarmEntries) { read_listed(s.alarms.alarms, alarms_max, after, read_alarm_entry); },
        [&](OfficeEntries) { read_listed(s.office_calendar.entries, office_entries_max, after, read_office_entry); },
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

template <class Entry>
void write_listed(std::string& out, std::string_view name, const std::vector<Entry>& list, std::size_t most,
                  std::string (*text)(const Entry&)) {
    for (std::size_t i = 0; i < list.size() && i < most; ++i) put(out, std::string(name) + two_digits(int(i)), text(list[i]));
}

// The accessors reach into a part for reading and writing alike; writing only reads through them.
void write_key(std::string& out, const Settings& kept, const Key& key) {
    Settings& s = const_cast<Settings&>(kept);
    std::visit(overloaded{
        [&](TextValue text) { put(out, key.name, stored_text(text.of(s), text.max_bytes)); },
        [&](NumberValue number) { put(out, key.name, std::to_string(number.of(s))); },
        [&](PositionRows rows) {
            for (int row = rows.rows.first; row < rows.rows.end; ++row)
                for (const PositionField& f : position_fields)
                    put(out, row_key(key.name, row, f.name), std::to_string(s.windows.positions[row].*f.member));
        },
        // Every stored rate is written, so a zero in one row cannot make the
        // rows after it fall back to their defaults at the next start.
        [&](RateEntries) {
            for (int entry = 0; entry < rate_entries; ++entry)
                if (s.currency.rates[entry] != 0)
                    put(out, std::string(key.name) + two_digits(entry), std::to_string(s.currency.rates[entry]));
        },
        [&](RowFlags flags) {
            for (int row = flags.rows.first; row < flags.rows.end; ++row)
                put(out, row_key(key.name, row, flags.field), s.windows.topmost[row] ? "1" : "0");
        },
        [&](TimerPresets) {
            put(out, std::string(key.name) + "s", std::to_string(std::min(s.timer.presets.size(), timer_presets_max)));
            write_listed(out, key.name, s.timer.presets, timer_presets_max, timer_preset_text);
        },
        [&](AlarmEntries) { write_listed(out, key.name, s.alarms.alarms, alarms_max, alarm_entry_text); },
        [&](OfficeEntries) { write_listed(out, key.name, s.office_calendar.entries, office_entries_max, office_entry_text); },
        [&](CarriedCode) {
            char text[24];
            std::snprintf(text, sizeof text, "%010lld", static_cast<long long>(s.passcode));
            put(out, key.name, text);
        },
    }, key.value);
}

}  // namespace

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
    for (std::size_t row = 0; row < default_rates.size(); ++row)
        if (settings.currency.rates[row] == 0) settings.currency.rates[row] = default_rates[row];
}

void validate_positions(WindowRows& windows, int screen_width, int screen_height) {
    for (Position& p : windows.positions) {
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
