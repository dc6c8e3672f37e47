// Dates in the Gregorian calendar's numbers and in Japan's eras.
#include "tools/time/date_texts.h"

#include <cstdio>

namespace quivra {
namespace {

constexpr const char* weekday_names[] = {"日", "月", "火", "水", "木", "金", "土"};

struct Era {
    const char* name;
    Date first_day;
};

// Oldest first; a new era is one more row.
constexpr Era eras[] = {
    {"明治", date(1868, 9, 8)},
    {"大正", date(1912, 7, 30)},
    {"昭和", date(1926, 12, 25)},
    {"平成", date(1989, 1, 8)},
    {"令和", date(2019, 5, 1)},
};

std::string year_of(const Era& era, int year) {
    const int number = year - int(era.first_day.year()) + 1;
    return era.name + (number == 1 ? std::string("元") : std::to_string(number)) + "年";
}

}  // namespace

std::string slashed(const Date& date) {
    char text[40];  // room for three full-range ints
    std::snprintf(text, sizeof text, "%4d/%2u/%2u", int(date.year()), unsigned(date.month()), unsigned(date.day()));
    return text;
}

const char* weekday_name(const Date& date) { return weekday_names[weekday_index(date)]; }

std::string era_year(const Date& date) {
    const Era* found = nullptr;
    for (const Era& era : eras)
        if (date >= era.first_day) found = &era;
    return found ? year_of(*found, int(date.year())) : "";
}

std::string era_date(const Date& date) {
    const std::string year = era_year(date);
    if (year.empty()) return "";
    return year + std::to_string(unsigned(date.month())) + "月" + std::to_string(unsigned(date.day())) + "日";
}

std::string era_years_of(int year) {
    std::string text = era_year(date(year, 1, 1));
    for (const Era& era : eras)
        if (int(era.first_day.year()) == year && era.first_day != date(year, 1, 1))
            text += (text.empty() ? "" : "・") + year_of(era, year);
    return text;
}

}  // namespace quivra
