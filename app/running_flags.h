// Whether the countdown timer or the stopwatch is counting: the launcher
// asks before it closes either of them.
#pragma once

namespace quivra {

inline constexpr int timer_position = 3;
inline constexpr int stopwatch_position = 4;
inline constexpr unsigned stop_counting_message = 0x0400 + 2;  // WM_USER + 2

struct RunningFlags {
    bool timer = false;
    bool stopwatch = false;
};

extern RunningFlags running_flags;

}  // namespace quivra
