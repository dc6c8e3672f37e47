// Everything that survives between runs, one part per tool, and the text form of tarv.ini.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/alarm_entry.h"
#include "base/office_entry.h"
#include "base/timer_preset.h"

namespace quivra {

inline constexpr int position_rows = 28;
inline constexpr int rate_entries = 20;

// Top-left corner of a window's outer rectangle, in screen pixels.
// For a tool, (0, 0) means "never placed": it opens centred.
struct Position {
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool operator==(const Position&) const = default;
};

// The frame's part: where each window stands and whether it stays on top.
struct WindowRows {
    std::array<Position, position_rows> positions{};
    std::array<bool, position_rows> topmost{};
    bool operator==(const WindowRows&) const = default;
};

struct TimerKept {
    std::string alarm_path;
    std::int32_t message_shown = 0;
    std::string message;
    std::vector<TimerPreset> presets = first_timer_presets();
    bool operator==(const TimerKept&) const = default;
};

struct WorldClockKept {
    std::int32_t city = 0;  // a row of the world clock's cities
    // Summer time comes from the system's zones unless the user turned it off.
    std::int32_t zones_decide = 1;
    bool operator==(const WorldClockKept&) const = default;
};

// One list converter's unit, a row of its table.
struct UnitKept {
    std::int32_t unit = 0;
    bool operator==(const UnitKept&) const = default;
};

struct TaxKept {
    // Each opening shows the rate the file gave; the last calculation's is saved.
    std::int32_t rate_read = 10;  // the standard rate since 2019
    std::int32_t rate = 10;       // in percent
    std::int32_t rounding = 0;    // a TaxRounding
    bool operator==(const TaxKept&) const = default;
};

// The currency converter's and the rate editor's: rates in hundredths of
// a yen, 0 meaning "no rate".
struct CurrencyKept {
    std::int32_t currency = 0;  // a row of the currency names
    std::array<std::int32_t, rate_entries> rates{};
    bool operator==(const CurrencyKept&) const = default;
};

struct DateCalculatorKept {
    std::int32_t count_first_day = 0;
    std::int32_t count_unit = 0;  // a CountUnit
    std::int32_t roll = 0;        // a Roll: where a date that falls on a day off goes
    bool operator==(const DateCalculatorKept&) const = default;
};

// Which days the office does not work: every tool that counts business days shares it.
struct OfficeCalendarKept {
    std::int32_t saturday_off = 1;
    std::int32_t sunday_off = 1;
    std::int32_t holidays_off = 1;
    std::int32_t year_end_off = 0;
    std::int32_t year_end_kind = 0;  // a YearEnd
    std::int32_t entries_apply = 1;  // the company's own days off and working days
    std::vector<OfficeEntry> entries;
    bool operator==(const OfficeCalendarKept&) const = default;
};

struct AgeKept {
    std::int32_t birth_date = 0;  // YYYYMMDD; 0 before the first answer
    bool operator==(const AgeKept&) const = default;
};

struct AlarmsKept {
    std::vector<AlarmEntry> alarms;
    std::int32_t tray = 1;  // closing the launcher with an alarm on leaves Quivra in the notification area
    // The local minute (since 2000/01/01 00:00) up to which every ring was
    // seen; the next start names those that fell due after it.
    std::int32_t watched_until = 0;
    bool operator==(const AlarmsKept&) const = default;
};

// Each member holds its defaults until a file is read.
struct Settings {
    WindowRows windows;
    TimerKept timer;
    WorldClockKept world_clock;
    UnitKept length, weight, area, volume, speed, fuel, data, energy, pressure, power;
    TaxKept tax;
    CurrencyKept currency;
    // Opaque; carried through unchanged. Ten digits do not fit 32 bits.
    std::int64_t passcode = 0;
    DateCalculatorKept date_calculator;
    OfficeCalendarKept office_calendar;
    AgeKept age;
    AlarmsKept alarms;
    bool operator==(const Settings&) const = default;
};

// Applies every recognised line of a tarv.ini file's Shift-JIS text, then
// gives every currency without a rate its default. CR LF, LF and a lone CR
// each end a line; Ctrl-Z ends the text. Each line is read whole; a text
// value longer than its key allows is cut between characters and the rest
// of its line dropped.
void read_settings(Settings& settings, std::string_view shift_jis_text);

// Resets each coordinate that lies off a screen of the given size.
void validate_positions(WindowRows& windows, int screen_width, int screen_height);

// The whole file as it is written at exit, with CRLF line ends.
std::string settings_file_text(const Settings& settings);

}  // namespace quivra
