// One alarm of 忘れないで, as tarv.ini keeps it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/calendar.h"

namespace quivra {

inline constexpr std::size_t alarms_max = 50;
inline constexpr std::size_t alarm_name_max_bytes = 40;

// In the order of the editor's choices.
enum class AlarmRepeat { once, daily, weekdays, business_days, chosen_days };

struct AlarmEntry {
    bool on = true;
    int hour = 7;
    int minute = 0;
    AlarmRepeat repeat = AlarmRepeat::once;
    std::uint8_t days = 0;  // for chosen days: bit d for weekday d, Sunday 0
    Date date = quivra::date(2000, 1, 1);  // for once
    std::string name;
    std::string sound;  // empty: the system's sound
    std::string message;
    // A ring put off by 5分後にもう一度, in local minutes since 2000/01/01; 0 for none. Not kept.
    std::int64_t snoozed_to = 0;
    bool operator==(const AlarmEntry&) const = default;
};

// "1\t0900\t3\t0000000\t20261209\t朝会\tSOUND\tMESSAGE": on, HHMM, repeat,
// the weekdays 日 to 土, the date, name, sound, message; empty for other text.
std::optional<AlarmEntry> read_alarm_entry(std::string_view text);
std::string alarm_entry_text(const AlarmEntry& alarm);

}  // namespace quivra
