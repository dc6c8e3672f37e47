// Timer presets read from and written to their line.
#include "base/timer_preset.h"

#include <algorithm>
#include <cstdio>

#include "base/decimal.h"
#include "base/tab_fields.h"
#include "base/shift_jis.h"

namespace quivra {
namespace {

constexpr std::size_t field_count = 8;

bool is_number(std::string_view text, std::size_t most_digits) {
    return !text.empty() && text.size() <= most_digits &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string cut(std::string_view text, std::size_t max_bytes) {
    return std::string(cut_to_whole_characters(text, max_bytes));
}

}  // namespace

std::vector<TimerPreset> first_timer_presets() {
    return {{"カップめん", 2, 0, 1, 3, "", false, ""},
            {"休憩", 2, 0, 1, 15, "", false, ""},
            {"会議", 1, 0, 1, 3, "", false, ""}};
}

std::optional<TimerPreset> read_timer_preset(std::string_view text) {
    const auto read = tab_fields<field_count>(text);
    if (!read) return std::nullopt;
    const auto& fields = *read;
    const std::string_view mode = fields[1], ring_at = fields[2], hours = fields[3], minutes = fields[4],
                           shown = fields[5];
    if (fields[0].empty() || (mode != "0" && mode != "1" && mode != "2") || !is_number(ring_at, 6) ||
        !is_number(hours, 2) || !is_number(minutes, 2) || (shown != "0" && shown != "1"))
        return std::nullopt;
    const auto time = std::int32_t(read_decimal(ring_at));
    if (time / 10000 > 23 || time / 100 % 100 > 59 || time % 100 > 59) return std::nullopt;
    return TimerPreset{cut(fields[0], timer_preset_name_max_bytes), std::int32_t(read_decimal(mode)), time,
                       std::int32_t(read_decimal(hours)), std::int32_t(read_decimal(minutes)),
                       cut(fields[6], alarm_path_max_bytes), shown == "1",
                       untabbed(cut(fields[7], timer_message_max_bytes))};
}

std::string timer_preset_text(const TimerPreset& preset) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "\t%d\t%06d\t%d\t%d\t%d\t", int(preset.mode), int(preset.ring_at),
                  int(preset.hours), int(preset.minutes), preset.message_shown ? 1 : 0);
    return untabbed(preset.name) + numbers + untabbed(preset.sound) + "\t" + untabbed(preset.message);
}

}  // namespace quivra
