// The countdown timer's length, time left and status line.
#include "tools/time/countdown.h"

#include <cstdio>

namespace quivra {

namespace {

std::int64_t seconds_of_day(ClockTime time) {
    return (std::int64_t(time.hour) * 60 + time.minute) * 60 + time.second;
}

// "1時間 1分 1秒", "1分 0秒" or "59秒", the units parted by `gap`.
std::string time_left(std::int64_t seconds, const char* gap) {
    long long r = seconds;
    char text[64];
    if (r >= 3600)
        std::snprintf(text, sizeof text, "%lld時間%s%lld分%s%lld秒", r / 3600, gap, r % 3600 / 60, gap,
                      r % 60);
    else if (r >= 60)
        std::snprintf(text, sizeof text, "%lld分%s%lld秒", r / 60, gap, r % 60);
    else
        std::snprintf(text, sizeof text, "%lld秒", r);
    return text;
}

}  // namespace

std::optional<std::int64_t> countdown_to(ClockTime ring_at, ClockTime now) {
    std::int64_t seconds = seconds_of_day(ring_at) - seconds_of_day(now);
    if (seconds < shortest_time_of_day_seconds) return std::nullopt;
    return seconds * 1000 - now.millisecond;
}

void Countdown::start(std::int64_t length_ms, std::uint64_t now_ms) {
    running_ = true;
    // Nothing to count: up at the first one-second tick, not at once.
    due_ms_ = now_ms + std::uint64_t(length_ms > 0 ? length_ms : 1000);
}

// The due moment less the clock, so an alarm rings on time however many
// ticks the window timer drops or merges.
std::int64_t Countdown::ms_left(std::uint64_t now_ms) const {
    return std::int64_t(due_ms_ - now_ms);
}

std::int64_t Countdown::seconds_left(std::uint64_t now_ms) const {
    std::int64_t left = ms_left(now_ms);
    return left > 0 ? (left + 999) / 1000 : 0;
}

std::int64_t Countdown::ms_to_next_second(std::uint64_t now_ms) const {
    std::int64_t left = ms_left(now_ms);
    return left > 0 ? (left - 1) % 1000 + 1 : 0;
}

std::string status_text(std::int64_t seconds_left) {
    return "タイマー作動中....あと " + time_left(seconds_left, " ") + "後です。";
}

std::string counting_caption(std::string_view own_caption, std::int64_t seconds_left) {
    return std::string(own_caption) + "　残り" + time_left(seconds_left, "");
}

}  // namespace quivra
