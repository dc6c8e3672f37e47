// The date calculator's answers, as its window shows them (CP932).
#pragma once

#include <cstdint>
#include <string>

#include "base/calendar.h"

namespace quivra {

// The second date's day number less the first's.
std::int32_t days_between(const Date& first, const Date& second);

struct DateAfter {
    std::string date;     // "2004/ 3/ 1"; empty when the result is refused
    std::string weekday;  // "日" to "土"; "？" when there is no date
    std::string era;      // "令和8年12月7日"; empty before the first era or without a date
};

// The date in the Japanese era it falls in: "平成31年4月30日", "令和元年5月1日";
// empty before the first era began.
std::string era_date(const Date& date);

// The date `days` days after `start` (before it when negative).
DateAfter date_after(const Date& start, std::int32_t days);

// What Ctrl+C copies of each answer: "366日間"; "2004/ 3/ 1 月曜日" with
// the era date on a second line when there is one, empty without a date.
std::string copied_days(std::int32_t days);
std::string copied_date(const DateAfter& after);

}  // namespace quivra
