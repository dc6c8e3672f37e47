// The stopwatch's reading: measured on a monotonic clock, shown in tenths.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quivra {

// "0.1秒", "1分 0.0秒", "1時間 0分 0.0秒"; the hours have no upper bound.
std::string elapsed_text(std::int64_t tenths);

// "9時5分3秒": the clock time of a start, without leading zeros.
std::string start_time_text(int hour, int minute, int second);

class Stopwatch {
public:
    void start(std::uint64_t now_ms);
    void stop(std::uint64_t now_ms);
    bool running() const { return running_; }
    // Up to now while running; the reading at the stop once stopped.
    std::string reading(std::uint64_t now_ms) const;
    // While running, how long until the reading shows its next tenth (1 to 100).
    std::int64_t ms_to_next_tenth(std::uint64_t now_ms) const;
    // While running, adds "%3d\t%s\t%s": the lap's number, its own time
    // and the total, in the reading's format; a start clears them.
    void lap(std::uint64_t now_ms);
    // Newest first.
    const std::vector<std::string>& laps() const { return laps_; }

private:
    bool running_ = false;
    std::uint64_t started_ms_ = 0;
    std::uint64_t stopped_ms_ = 0;
    // In whole tenths, so that the laps add up to the total they show.
    std::int64_t last_lap_tenths_ = 0;
    std::vector<std::string> laps_;
};

}  // namespace quivra
