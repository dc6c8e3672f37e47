// A timer's named preset: the whole form, as tarv.ini keeps it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quivra {

inline constexpr std::size_t alarm_path_max_bytes = 127;
inline constexpr std::size_t timer_message_max_bytes = 255;
inline constexpr std::size_t timer_presets_max = 20;
inline constexpr std::size_t timer_preset_name_max_bytes = 40;

struct TimerPreset {
    std::string name;
    std::int32_t mode = 2;  // a TimerMode: at a time, hours later, minutes later
    std::int32_t ring_at = 0;  // HHMMSS, for a time of day
    std::int32_t hours = 1;
    std::int32_t minutes = 3;
    std::string sound;  // empty: the system's sound
    bool message_shown = false;
    std::string message;
    bool operator==(const TimerPreset&) const = default;
};

// What a new user finds: カップめん (3 分), 休憩 (15 分), 会議 (1 時間).
std::vector<TimerPreset> first_timer_presets();

// "NAME\tMODE\tHHMMSS\tHOURS\tMINUTES\tSHOWN\tSOUND\tMESSAGE"; empty for text
// that is not one, or whose name is empty. Texts are cut to their limits.
std::optional<TimerPreset> read_timer_preset(std::string_view text);
std::string timer_preset_text(const TimerPreset& preset);

}  // namespace quivra
