#include "base/settings.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace quivra {
namespace {

// The file is read the way a 128-byte line buffer reads it: a longer
// physical line is taken in pieces of 127 bytes, each matched on its own.
constexpr std::size_t line_piece_bytes = 127;

constexpr std::array<std::int32_t, 16> default_rates = {
    100, 12125, 12631, 19669, 8676, 7847, 6978, 6431,
    270, 7005, 288, 244, 1585, 347, 1013, 1453};

std::string_view from_column(std::string_view line, std::size_t index) {
    return index < line.size() ? line.substr(index) : std::string_view{};
}

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Decimal text as the C library reads it: blanks, a sign, digits, and
// anything else ends the number. Saturates instead of overflowing.
std::int64_t read_decimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && is_blank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr std::int64_t cap = std::int64_t{1} << 40;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(cap, value * 10 + (text[i] - '0'));
    return negative ? -value : value;
}

std::int32_t read_int32(std::string_view text) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        read_decimal(text), std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
}

// Two-digit table index; anything outside the table is ignored.
bool read_index(std::string_view line, std::size_t column, int limit, int& index) {
    index = read_int32(from_column(line, column).substr(0, 2));
    return index >= 0 && index < limit;
}

void apply_line(Settings& s, std::string_view line) {
    auto starts = [&](std::string_view prefix) { return line.starts_with(prefix); };
    int index = 0;
    if (starts("dlg") && read_index(line, 3, position_rows, index)) {
        std::string_view field = from_column(line, 6);
        if (field.starts_with("left")) s.positions[index].left = read_int32(from_column(line, 11));
        if (field.starts_with("top")) s.positions[index].top = read_int32(from_column(line, 10));
    }
    if (starts("alarm=")) s.alarm.set(std::string(from_column(line, 6).substr(0, alarm_max_bytes)));
    if (starts("tmsg_sw=")) s.tmsg_sw.set(read_int32(from_column(line, 8)));
    if (starts("tmsg=")) s.tmsg.set(std::string(from_column(line, 5).substr(0, tmsg_max_bytes)));
    if (starts("world_def=")) s.world_def.set(read_int32(from_column(line, 10)));
    if (starts("len_def=")) s.len_def.set(read_int32(from_column(line, 8)));
    if (starts("weight_def=")) s.weight_def.set(read_int32(from_column(line, 11)));
    if (starts("area_def=")) s.area_def.set(read_int32(from_column(line, 9)));
    if (starts("vol_def=")) s.vol_def.set(read_int32(from_column(line, 8)));
    if (starts("speed_def=")) s.speed_def.set(read_int32(from_column(line, 10)));
    if (starts("tax_ritu=")) s.tax_ritu.set(read_int32(from_column(line, 9)));
    if (starts("cash_def=")) s.cash_def.set(read_int32(from_column(line, 9)));
    if (starts("rate") && read_index(line, 4, rate_entries, index))
        s.rates[index] = read_int32(from_column(line, 7));
    if (starts("PASSCODE=")) s.passcode = read_decimal(from_column(line, 9).substr(0, 10));
}

void append(std::string& out, const char* format, auto... values) {
    char line[300];
    int length = std::snprintf(line, sizeof line, format, values...);
    out.append(line, static_cast<std::size_t>(std::clamp(length, 0, int{sizeof line} - 1)));
}

}  // namespace

void read_settings(Settings& settings, std::string_view bytes) {
    // Text mode ends the file at Ctrl-Z and turns CR LF into LF.
    bytes = bytes.substr(0, bytes.find('\x1a'));
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) text += bytes[i];

    std::string_view rest = text;
    while (!rest.empty()) {
        std::size_t length = std::min(rest.find('\n') + 1, line_piece_bytes);
        if (length == 0) length = std::min(rest.size(), line_piece_bytes);  // no newline left
        std::string_view line = rest.substr(0, length);
        rest.remove_prefix(line.size());
        line = line.substr(0, line.find('\0'));
        if (line.ends_with('\n')) line.remove_suffix(1);
        apply_line(settings, line);
    }
}

void validate_positions(Settings& settings, int screen_width, int screen_height) {
    for (Position& p : settings.positions) {
        if (p.left < 0 || p.left > screen_width - 100) p.left = 0;
        if (p.top < 0 || p.top > screen_height - 100) p.top = 0;
    }
}

void fill_default_rates(Settings& settings) {
    for (std::size_t row = 0; row < default_rates.size(); ++row)
        if (settings.rates[row] == 0) settings.rates[row] = default_rates[row];
}

std::string settings_file_text(const Settings& s) {
    std::string out;
    for (int row = 0; row < position_rows; ++row) {
        append(out, "dlg%02d_left=%d\r\n", row, s.positions[row].left);
        append(out, "dlg%02d_top=%d\r\n", row, s.positions[row].top);
    }
    append(out, "alarm=%s\r\n", s.alarm.to_save.substr(0, alarm_max_bytes).c_str());
    append(out, "tmsg_sw=%d\r\n", s.tmsg_sw.to_save);
    append(out, "tmsg=%s\r\n", s.tmsg.to_save.substr(0, tmsg_max_bytes).c_str());
    append(out, "world_def=%d\r\n", s.world_def.to_save);
    append(out, "len_def=%d\r\n", s.len_def.to_save);
    append(out, "weight_def=%d\r\n", s.weight_def.to_save);
    append(out, "area_def=%d\r\n", s.area_def.to_save);
    append(out, "vol_def=%d\r\n", s.vol_def.to_save);
    append(out, "speed_def=%d\r\n", s.speed_def.to_save);
    append(out, "tax_ritu=%d\r\n", s.tax_ritu.to_save);
    append(out, "cash_def=%d\r\n", s.cash_def.to_save);
    // Every stored rate is written, so a zero in one row cannot make the
    // rows after it fall back to their defaults at the next start.
    for (int entry = 0; entry < rate_entries; ++entry)
        if (s.rates[entry] != 0) append(out, "rate%02d=%d\r\n", entry, s.rates[entry]);
    append(out, "PASSCODE=%010lld\r\n", static_cast<long long>(s.passcode));
    return out;
}

}  // namespace quivra
