// The date calculator's arithmetic and result texts.
#include "tools/time/date_calculator.h"

#include <cstdio>

#include "base/holidays.h"

namespace quivra {
namespace {

constexpr const char* weekday_names[] = {"日", "月", "火", "水", "木", "金", "土"};

std::string slashed(const Date& date) {
    char text[40];  // room for three full-range ints
    std::snprintf(text, sizeof text, "%4d/%2d/%2d", date.year, date.month, date.day);
    return text;
}

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

std::int32_t days_counted(const Date& first, const Date& second, bool count_first_day) {
    std::int32_t days = days_between(first, second);
    if (!count_first_day) return days;
    return days < 0 ? days - 1 : days + 1;
}

const char* direction_word(bool back) { return back ? "前" : "後"; }

DateAfter describe_date(const std::optional<Date>& date) {
    if (!date || !is_valid_date(*date)) return {"", "？", "", ""};
    return {slashed(*date), weekday_names[*weekday_index(*date)], era_date(*date), std::string(holiday_name(*date))};
}

DateAfter date_after(const Date& start, std::int32_t days) { return describe_date(add_days(start, days)); }

std::string copied_days(std::int32_t days) { return std::to_string(days) + "日間"; }

std::string copied_date(const DateAfter& after) {
    if (after.date.empty()) return {};
    std::string line = after.date + " " + after.weekday + "曜日";
    if (!after.holiday.empty()) line += " " + after.holiday;
    return after.era.empty() ? line : line + "\r\n" + after.era;
}

std::vector<std::string> holiday_list_lines(int year) {
    std::vector<std::string> lines;
    for (const Holiday& holiday : holidays_of_year(year))
        lines.push_back(slashed(holiday.date) + " (" + weekday_names[*weekday_index(holiday.date)] + ")\t" +
                        std::string(holiday.name) + (holiday.predicted ? "（予測）" : ""));
    return lines;
}

std::string holiday_list_note(int year) {
    if (year < first_holiday_year || year > last_holiday_year) return {};
    if (!equinoxes_predicted(year)) return {};
    return "（予測）の春分の日・秋分の日は計算による予測です。正式には前年2月の官報で決まります。";
}

}  // namespace quivra
