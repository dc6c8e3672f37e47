#include "tools/time/date_text.h"

#include <cstdio>

namespace quivra {

std::string format_result_date(const Date& date) {
    char text[40];  // room for three full-range ints
    std::snprintf(text, sizeof text, "%4d/%2d/%2d", date.year, date.month, date.day);
    return text;
}

const char* weekday_name(int index) {
    static constexpr const char* names[] = {"日", "月", "火", "水", "木", "金", "土", "？"};
    constexpr int unknown = 7;
    return names[index >= 0 && index < unknown ? index : unknown];
}

}  // namespace quivra
