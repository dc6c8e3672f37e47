// Dates as the tools write them: slashed, with their weekday, in Japan's eras.
#pragma once

#include <string>

#include "base/calendar.h"

namespace quivra {

// "2004/ 3/ 1"
std::string slashed(const Date& date);
// "日" to "土"; the date must exist.
const char* weekday_name(const Date& date);
// "平成31年", "令和元年"; empty before the first era began.
std::string era_year(const Date& date);
// "平成31年4月30日", "令和元年5月1日"; empty before the first era began.
std::string era_date(const Date& date);
// The eras of a year: "平成12年", or both where one began, "平成31年・令和元年".
std::string era_years_of(int year);

}  // namespace quivra
