// 忘れないで's rules: when each alarm rings next, its rings in a span of days, and the texts of its lists.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/alarm_entry.h"
#include "tools/time/business_calendar.h"

namespace quivra {

// Minutes since 2000/01/01 00:00 on the local clock: what tarv.ini keeps.
using LocalMinute = std::int64_t;
LocalMinute local_minute(const Date& day, int hour, int minute);
Date day_of(LocalMinute minute);

inline constexpr LocalMinute minutes_a_day = 24 * 60;
// A ring put off by 5分後にもう一度.
inline constexpr LocalMinute snooze_minutes = 5;

// The first ring at or after `from`, a snoozed one included; empty when the alarm is off or never rings again.
std::optional<LocalMinute> next_ring(const AlarmEntry& alarm, LocalMinute from, const DaysOff& office);
// Every ring from `from` up to, not including, `to`, whether the alarm is on or not.
std::vector<LocalMinute> rings_between(const AlarmEntry& alarm, LocalMinute from, LocalMinute to, const DaysOff& office);

// The list's line: "●\t 7:00\t営業日\t朝会\t12/09(水) 7:00", the next ring "－" when there is none.
std::string alarm_line(const AlarmEntry& alarm, std::optional<LocalMinute> next);
// One ring of the next 31 days: "2026/12/09 (水)  7:00".
std::string ring_day_line(LocalMinute ring);
// "12/09(水) 7:00": a ring's moment, as the missed alarms' box and the tray's tip show it.
std::string ring_moment(LocalMinute ring);
// The ring window's first line: "朝会  9:00", and "（7:00 の分）" for a ring that came late.
std::string ring_title(const AlarmEntry& alarm, LocalMinute ring, LocalMinute now);

inline constexpr char missed_alarms_heading[] = "Quivraが起動していない間のアラーム：";
inline constexpr std::size_t missed_alarms_shown = 20;

}  // namespace quivra
