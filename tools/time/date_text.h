// The date calculator's result texts, in CP932.
#pragma once

#include <string>

#include "tools/time/calendar.h"

namespace quivra {

// "2004/ 3/ 1": year, month and day right-aligned in 4, 2 and 2 columns.
std::string format_result_date(const Date& date);

// "日" for 0 through "土" for 6; "？" for 7, shown when there is no weekday,
// and for any other index.
const char* weekday_name(int index);

}  // namespace quivra
