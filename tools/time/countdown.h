// The countdown timer's arithmetic: its length and the time left on a monotonic clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quivra {

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// A time of day to ring at must lie at least this far ahead, today.
inline constexpr int shortest_time_of_day_seconds = 10;

// Milliseconds from `now` until `ring_at` today, counted from the start
// of now's second so the alarm falls on the second the user picked;
// empty when ring_at is less than the shortest time ahead.
std::optional<std::int64_t> countdown_to(ClockTime ring_at, ClockTime now);

class Countdown {
public:
    // A length of 0 is up a second after the start.
    void start(std::int64_t length_ms, std::uint64_t now_ms);
    void stop() { running_ = false; }
    bool running() const { return running_; }
    // Whole seconds left, rounded up; 0 once the time is up.
    std::int64_t seconds_left(std::uint64_t now_ms) const;
    // Until seconds_left next changes; 0 once the time is up.
    std::int64_t ms_to_next_second(std::uint64_t now_ms) const;

private:
    std::int64_t ms_left(std::uint64_t now_ms) const;

    bool running_ = false;
    std::uint64_t due_ms_ = 0;
};

// The status line while seconds are left: "タイマー作動中....あと 59秒後です。"
std::string status_text(std::int64_t seconds_left);

// The window's caption while seconds are left, so that a minimised timer
// reads from the taskbar: "Quivra　私、待つわ　タイマー　残り4分59秒".
std::string counting_caption(std::string_view own_caption, std::int64_t seconds_left);

}  // namespace quivra
