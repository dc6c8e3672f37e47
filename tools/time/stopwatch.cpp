// The stopwatch's reading and texts.
#include "tools/time/stopwatch.h"

#include <cstdio>

namespace quivra {

std::string elapsed_text(std::int64_t tenths) {
    long long h = tenths / 36000, m = tenths % 36000 / 600, s = tenths % 600 / 10, t = tenths % 10;
    char text[64];
    if (h > 0)
        std::snprintf(text, sizeof text, "%lld時間 %lld分 %lld.%lld秒", h, m, s, t);
    else if (m > 0)
        std::snprintf(text, sizeof text, "%lld分 %lld.%lld秒", m, s, t);
    else
        std::snprintf(text, sizeof text, "%lld.%lld秒", s, t);
    return text;
}

std::string start_time_text(int hour, int minute, int second) {
    char text[32];
    std::snprintf(text, sizeof text, "%d時%d分%d秒", hour, minute, second);
    return text;
}

void Stopwatch::start(std::uint64_t now_ms) {
    running_ = true;
    started_ms_ = now_ms;
    last_lap_tenths_ = 0;
    laps_.clear();
}

void Stopwatch::lap(std::uint64_t now_ms) {
    if (!running_) return;
    std::int64_t total = std::int64_t((now_ms - started_ms_) / 100);
    char number[16];
    std::snprintf(number, sizeof number, "%3d", int(laps_.size() + 1));
    laps_.insert(laps_.begin(), std::string(number) + "\t" + elapsed_text(total - last_lap_tenths_) +
                                    "\t" + elapsed_text(total));
    last_lap_tenths_ = total;
}

void Stopwatch::stop(std::uint64_t now_ms) {
    if (!running_) return;
    running_ = false;
    stopped_ms_ = now_ms;
}

// A difference of clock readings: ticks that arrive late or merged cost
// the display a moment, never the reading.
std::string Stopwatch::reading(std::uint64_t now_ms) const {
    std::uint64_t end = running_ ? now_ms : stopped_ms_;
    return elapsed_text(std::int64_t((end - started_ms_) / 100));
}

std::int64_t Stopwatch::ms_to_next_tenth(std::uint64_t now_ms) const {
    return 100 - std::int64_t((now_ms - started_ms_) % 100);
}

}  // namespace quivra
