// The date calculator's answers, as its window shows them (CP932).
#pragma once

#include <cstdint>
#include <string>

#include "tools/time/calendar.h"

namespace quivra {

// The second date's day number less the first's.
std::int32_t days_between(const Date& first, const Date& second);

struct DateAfter {
    std::string date;     // "2004/ 3/ 1"; empty when the result is refused
    std::string weekday;  // "日" to "土"; "？" when there is no date
};

// The date `days` days after `start` (before it when negative).
DateAfter date_after(const Date& start, std::int32_t days);

}  // namespace quivra
