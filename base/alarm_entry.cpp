// Alarms read from and written to their line.
#include "base/alarm_entry.h"

#include <algorithm>
#include <cstdio>

#include "base/decimal.h"
#include "base/tab_fields.h"
#include "base/shift_jis.h"
#include "base/timer_preset.h"

namespace quivra {
namespace {

constexpr std::size_t field_count = 8;

bool digits_only(std::string_view text, std::size_t size) {
    return text.size() == size && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string untabbed(std::string_view text, std::size_t max_bytes) {
    return quivra::untabbed(std::string(cut_to_whole_characters(text, max_bytes)));
}

}  // namespace

std::optional<AlarmEntry> read_alarm_entry(std::string_view text) {
    const auto read = tab_fields<field_count>(text);
    if (!read) return std::nullopt;
    const auto& fields = *read;
    const std::string_view on = fields[0], time = fields[1], repeat = fields[2], days = fields[3], day = fields[4];
    if ((on != "0" && on != "1") || !digits_only(time, 4) || repeat.size() != 1 || repeat[0] < '0' || repeat[0] > '4' ||
        days.size() != 7 || !std::all_of(days.begin(), days.end(), [](char c) { return c == '0' || c == '1'; }) ||
        !digits_only(day, 8))
        return std::nullopt;
    AlarmEntry alarm;
    alarm.on = on == "1";
    const auto hhmm = int(read_decimal(time)), yyyymmdd = int(read_decimal(day));
    alarm.hour = hhmm / 100, alarm.minute = hhmm % 100;
    alarm.date = date(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100);
    if (alarm.hour > 23 || alarm.minute > 59 || !is_valid_date(alarm.date)) return std::nullopt;
    alarm.repeat = AlarmRepeat(repeat[0] - '0');
    for (int d = 0; d < 7; ++d)
        if (days[std::size_t(d)] == '1') alarm.days = std::uint8_t(alarm.days | 1u << d);
    alarm.name = untabbed(fields[5], alarm_name_max_bytes);
    alarm.sound = untabbed(fields[6], alarm_path_max_bytes);
    alarm.message = untabbed(fields[7], timer_message_max_bytes);
    return alarm;
}

std::string alarm_entry_text(const AlarmEntry& alarm) {
    char numbers[64];
    char days[8] = {};
    for (int d = 0; d < 7; ++d) days[d] = alarm.days >> d & 1 ? '1' : '0';
    std::snprintf(numbers, sizeof numbers, "%d\t%02d%02d\t%d\t%s\t%04d%02u%02u\t", alarm.on ? 1 : 0, alarm.hour,
                  alarm.minute, int(alarm.repeat), days, int(alarm.date.year()), unsigned(alarm.date.month()),
                  unsigned(alarm.date.day()));
    return numbers + untabbed(alarm.name, alarm_name_max_bytes) + "\t" + untabbed(alarm.sound, alarm_path_max_bytes) +
           "\t" + untabbed(alarm.message, timer_message_max_bytes);
}

}  // namespace quivra
