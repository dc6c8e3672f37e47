// The date calculator's arithmetic and result texts.
#include "tools/time/date_calculator.h"

#include <cstdio>

namespace quivra {
namespace {

struct Era {
    const char* name;
    Date first_day;
};

// Oldest first; a new era is one more row.
constexpr Era eras[] = {
    {"明治", {1868, 9, 8}},
    {"大正", {1912, 7, 30}},
    {"昭和", {1926, 12, 25}},
    {"平成", {1989, 1, 8}},
    {"令和", {2019, 5, 1}},
};

}  // namespace

std::string era_date(const Date& date) {
    const Era* found = nullptr;
    for (const Era& era : eras)
        if (day_number(date) >= day_number(era.first_day)) found = &era;
    if (!found) return "";
    int year = date.year - found->first_day.year + 1;
    std::string text = found->name + (year == 1 ? std::string("元") : std::to_string(year));
    return text + "年" + std::to_string(date.month) + "月" + std::to_string(date.day) + "日";
}

std::int32_t days_between(const Date& first, const Date& second) {
    return day_number(second) - day_number(first);
}

DateAfter date_after(const Date& start, std::int32_t days) {
    static constexpr const char* weekday_names[] = {"日", "月", "火", "水", "木", "金", "土"};
    std::optional<Date> result = add_days(start, days);
    if (!result) return {"", "？", ""};
    char text[40];  // room for three full-range ints
    std::snprintf(text, sizeof text, "%4d/%2d/%2d", result->year, result->month, result->day);
    return {text, weekday_names[*weekday_index(*result)], era_date(*result)};
}

std::string copied_days(std::int32_t days) { return std::to_string(days) + "日間"; }

std::string copied_date(const DateAfter& after) {
    if (after.date.empty()) return {};
    std::string line = after.date + " " + after.weekday + "曜日";
    return after.era.empty() ? line : line + "\r\n" + after.era;
}

}  // namespace quivra
