// The rings of alarms, day by day over the office calendar.
#include "tools/time/alarms.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "tools/time/date_texts.h"

namespace quivra {
namespace {

using std::chrono::sys_days;

constexpr sys_days minute_zero{date(2000, 1, 1)};
// Past this many days an alarm that has not rung never will (no business day for ten years).
constexpr int days_searched = 3660;

bool rings_on(const AlarmEntry& alarm, const Date& day, const DaysOff& office) {
    const unsigned weekday = weekday_index(day);
    switch (alarm.repeat) {
    case AlarmRepeat::once: return day == alarm.date;
    case AlarmRepeat::daily: return true;
    case AlarmRepeat::weekdays: return weekday >= 1 && weekday <= 5;
    case AlarmRepeat::business_days: return is_business_day(day, office);
    case AlarmRepeat::chosen_days: return alarm.days >> weekday & 1;
    }
    return false;
}

std::string clock(int hour, int minute) {
    char text[8];
    std::snprintf(text, sizeof text, "%2d:%02d", hour, minute);
    return text;
}

std::string repeat_text(const AlarmEntry& alarm) {
    static constexpr const char* weekday_names[] = {"日", "月", "火", "水", "木", "金", "土"};
    switch (alarm.repeat) {
    case AlarmRepeat::once: {
        char text[32];
        std::snprintf(text, sizeof text, "一度だけ %02u/%02u", unsigned(alarm.date.month()), unsigned(alarm.date.day()));
        return text;
    }
    case AlarmRepeat::daily: return "毎日";
    case AlarmRepeat::weekdays: return "平日";
    case AlarmRepeat::business_days: return "営業日";
    case AlarmRepeat::chosen_days: break;
    }
    std::string days;
    for (int d = 0; d < 7; ++d)
        if (alarm.days >> d & 1) days += weekday_names[d];
    return days;
}

}  // namespace

LocalMinute local_minute(const Date& day, int hour, int minute) {
    return (sys_days{day} - minute_zero).count() * minutes_a_day + hour * 60 + minute;
}

Date day_of(LocalMinute minute) {
    const LocalMinute days = minute >= 0 ? minute / minutes_a_day : (minute - minutes_a_day + 1) / minutes_a_day;
    return Date{minute_zero + std::chrono::days{days}};
}

std::optional<LocalMinute> next_ring(const AlarmEntry& alarm, LocalMinute from, const DaysOff& office) {
    if (!alarm.on) return std::nullopt;
    const std::optional<LocalMinute> snoozed = alarm.snoozed_to >= from ? std::optional(alarm.snoozed_to) : std::nullopt;
    AlarmEntry unsnoozed = alarm;
    unsnoozed.snoozed_to = 0;
    const std::optional<LocalMinute> regular = snoozed ? next_ring(unsnoozed, from, office) : std::nullopt;
    if (snoozed) return regular ? std::min(*snoozed, *regular) : snoozed;
    Date day = day_of(from);
    for (int searched = 0; searched < days_searched; ++searched, day = *add_days(day, 1)) {
        if (alarm.repeat == AlarmRepeat::once && day > alarm.date) return std::nullopt;
        const LocalMinute ring = local_minute(day, alarm.hour, alarm.minute);
        if (ring >= from && rings_on(alarm, day, office)) return ring;
    }
    return std::nullopt;
}

std::vector<LocalMinute> rings_between(const AlarmEntry& alarm, LocalMinute from, LocalMinute to, const DaysOff& office) {
    std::vector<LocalMinute> rings;
    for (Date day = day_of(from); local_minute(day, 0, 0) < to; day = *add_days(day, 1)) {
        const LocalMinute ring = local_minute(day, alarm.hour, alarm.minute);
        if (ring >= from && ring < to && rings_on(alarm, day, office)) rings.push_back(ring);
    }
    return rings;
}

std::string ring_moment(LocalMinute ring) {
    const Date day = day_of(ring);
    char text[40];
    std::snprintf(text, sizeof text, "%02u/%02u(%s) %d:%02d", unsigned(day.month()), unsigned(day.day()),
                  weekday_name(day), int(ring % minutes_a_day / 60), int(ring % 60));
    return text;
}

std::string alarm_line(const AlarmEntry& alarm, std::optional<LocalMinute> next) {
    return std::string(alarm.on ? "●" : "○") + "\t" + clock(alarm.hour, alarm.minute) + "\t" + repeat_text(alarm) + "\t" +
           alarm.name + "\t" + (next ? ring_moment(*next) : "－");
}

std::string ring_day_line(LocalMinute ring) {
    const Date day = day_of(ring);
    char text[48];
    std::snprintf(text, sizeof text, "%04d/%02u/%02u (%s) %s", int(day.year()), unsigned(day.month()), unsigned(day.day()),
                  weekday_name(day), clock(int(ring % minutes_a_day / 60), int(ring % 60)).c_str());
    return text;
}

std::string ring_title(const AlarmEntry& alarm, LocalMinute ring, LocalMinute now) {
    std::string title = alarm.name;
    title.append("  ").append(clock(alarm.hour, alarm.minute));
    if (now > ring) title.append("（").append(clock(int(ring % minutes_a_day / 60), int(ring % 60))).append(" の分）");
    return title;
}

}  // namespace quivra
