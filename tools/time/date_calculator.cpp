// The date calculator's arithmetic and result texts.
#include "tools/time/date_calculator.h"

#include <cstdio>

namespace quivra {

std::int32_t days_between(const Date& first, const Date& second) {
    return day_number(second) - day_number(first);
}

DateAfter date_after(const Date& start, std::int32_t days) {
    static constexpr const char* weekday_names[] = {"日", "月", "火", "水", "木", "金", "土"};
    std::optional<Date> result = add_days(start, days);
    if (!result) return {"", "？"};
    char text[40];  // room for three full-range ints
    std::snprintf(text, sizeof text, "%4d/%2d/%2d", result->year, result->month, result->day);
    return {text, weekday_names[*weekday_index(*result)]};
}

}  // namespace quivra
