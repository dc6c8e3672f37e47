// The time-of-day calculator's answers, as its window shows them (CP932).
#pragma once

#include <cstdint>
#include <string>

namespace quivra {

struct ConvertedTime {
    std::string hours_minutes_seconds;  // "%2d時間%2d分%2d秒"
    std::string minutes_seconds;        // "%d分%2d秒（%d秒）"
};

ConvertedTime convert_time(std::int32_t hours, std::int32_t minutes, std::int32_t seconds);

// From one time of day to another, in seconds since midnight; negative
// when the second is earlier, never wrapping past midnight.
std::string time_span(std::int32_t first, std::int32_t second);

// One of the two is empty: the time on the same day, or on another day
// with its label ("翌日の0時30分0秒").
struct OffsetTime {
    std::string same_day;
    std::string other_day;
};

OffsetTime offset_time(std::int32_t start, std::int32_t offset_seconds);

}  // namespace quivra
