// Everything that survives between runs, and the text form of tarv.ini.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quivra {

inline constexpr int position_rows = 23;
inline constexpr int rate_entries = 20;
inline constexpr std::size_t alarm_path_max_bytes = 127;
inline constexpr std::size_t timer_message_max_bytes = 255;

// Top-left corner of a window's outer rectangle, in screen pixels.
// For a tool, (0, 0) means "never placed": it opens centred.
struct Position {
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool operator==(const Position&) const = default;
};

// A setting held twice: what the tools saw when the program started,
// and what goes to the file at exit. A tool whose choice should show
// again when it reopens calls set(); a tool that changes only what is
// saved (the tax rate, the timer's alarm and message) assigns to_save.
template <class T>
struct Kept {
    T at_startup{};
    T to_save{};
    void set(const T& value) { at_startup = to_save = value; }
    bool operator==(const Kept&) const = default;
};

// Each member holds its key's default until a file is read.
struct Settings {
    Settings();
    std::array<Position, position_rows> positions{};
    Kept<std::string> alarm_path;
    Kept<std::int32_t> timer_message_shown;
    Kept<std::string> timer_message;
    Kept<std::int32_t> world_city;  // a row of the world clock's cities
    Kept<std::int32_t> length_unit;  // rows of the list converters' unit tables
    Kept<std::int32_t> weight_unit;
    Kept<std::int32_t> area_unit;
    Kept<std::int32_t> volume_unit;
    Kept<std::int32_t> speed_unit;
    Kept<std::int32_t> tax_rate;  // in percent
    Kept<std::int32_t> currency;  // a row of the currency names
    // Exchange rates in hundredths of a yen; 0 means "no rate".
    std::array<std::int32_t, rate_entries> rates{};
    // Opaque; carried through unchanged. Ten digits do not fit 32 bits.
    std::int64_t passcode = 0;
    // The world clock reads summer time from the system's zones unless the user turned it off.
    Kept<std::int32_t> world_zones_decide;
    Kept<std::int32_t> tax_rounding;  // a TaxRounding
    // Per position row: the window stays above every other window.
    std::array<bool, position_rows> topmost{};
    // The date calculator's choices: whether the first day counts too, the
    // unit of its count (a CountUnit), and which days are no business days.
    Kept<std::int32_t> count_first_day;
    Kept<std::int32_t> count_unit;
    Kept<std::int32_t> saturday_off;
    Kept<std::int32_t> sunday_off;
    Kept<std::int32_t> holidays_off;
    Kept<std::int32_t> year_end_off;
    Kept<std::int32_t> fuel_unit;  // rows of the later converters' unit tables
    Kept<std::int32_t> data_unit;
    Kept<std::int32_t> energy_unit;
    Kept<std::int32_t> pressure_unit;
    bool operator==(const Settings&) const = default;
};

// Applies every recognised line of a tarv.ini file's Shift-JIS text.
// CR LF, LF and a lone CR each end a line; Ctrl-Z ends the text. Each
// line is read whole; a text value longer than its key allows is cut
// between characters and the rest of its line dropped.
void read_settings(Settings& settings, std::string_view shift_jis_text);

// Resets each coordinate that lies off a screen of the given size.
void validate_positions(Settings& settings, int screen_width, int screen_height);

// The whole file as it is written at exit, with CRLF line ends.
std::string settings_file_text(const Settings& settings);

}  // namespace quivra
