// The stopwatch's reading: measured on a monotonic clock, shown in tenths.
#pragma once

#include <cstdint>
#include <string>

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

private:
    bool running_ = false;
    std::uint64_t started_ms_ = 0;
    std::uint64_t stopped_ms_ = 0;
};

}  // namespace quivra
