// Business days over the holiday calendar, and calendar months and years.
#include "tools/time/business_calendar.h"

#include <algorithm>
#include <vector>

#include "base/holidays.h"

namespace quivra {
namespace {

bool in_year_end(const Date& date) {
    return (date.month == 12 && date.day >= 29) || (date.month == 1 && date.day <= 3);
}

// The holidays of one year at a time, so that a long span asks for each year once.
class HolidayYears {
public:
    bool is_holiday(const Date& date) {
        if (date.year != year_) {
            year_ = date.year;
            days_.clear();
            for (const Holiday& holiday : holidays_of_year(year_)) days_.push_back(day_number(holiday.date));
        }
        return std::find(days_.begin(), days_.end(), day_number(date)) != days_.end();
    }

private:
    int year_ = 0;
    std::vector<std::int32_t> days_;
};

bool business_day(const Date& date, const DaysOff& off, HolidayYears& holidays) {
    int weekday = *weekday_index(date);
    if ((off.saturday && weekday == 6) || (off.sunday && weekday == 0)) return false;
    if (off.year_end && in_year_end(date)) return false;
    return !(off.holidays && holidays.is_holiday(date));
}

Date date_of(std::int32_t day) { return *add_days({1, 1, 1}, day - 1); }

}  // namespace

bool is_business_day(const Date& date, const DaysOff& off) {
    HolidayYears holidays;
    return business_day(date, off, holidays);
}

std::int32_t business_days_between(const Date& first, const Date& second, const DaysOff& off,
                                   bool count_first_day) {
    std::int32_t from = std::min(day_number(first), day_number(second));
    std::int32_t to = std::max(day_number(first), day_number(second));
    HolidayYears holidays;
    std::int32_t count = 0;
    for (std::int32_t day = count_first_day ? from : from + 1; day <= to; ++day)
        if (business_day(date_of(day), off, holidays)) ++count;
    return day_number(second) < day_number(first) ? -count : count;
}

std::optional<Date> add_months(const Date& start, std::int32_t months) {
    std::int64_t index = std::int64_t(start.year) * 12 + (start.month - 1) + months;
    auto year = std::int64_t(index / 12);
    if (!is_valid_date(start) || year < 1 || year > 65535) return std::nullopt;
    int month = int(index % 12) + 1;
    return Date{int(year), month, std::min(start.day, days_in_month(int(year), month))};
}

std::optional<Date> date_after_by(const Date& start, std::int32_t count, CountUnit unit, const DaysOff& off) {
    switch (unit) {
    case CountUnit::days: return add_days(start, count);
    case CountUnit::weeks: return add_days(start, count * 7);
    case CountUnit::months: return add_months(start, count);
    case CountUnit::years: return add_months(start, count * 12);
    case CountUnit::business_days: break;
    }
    if (!is_valid_date(start)) return std::nullopt;
    HolidayYears holidays;
    const std::int32_t step = count < 0 ? -1 : 1;
    Date date = start;
    for (std::int32_t left = count < 0 ? -count : count; left > 0;) {
        std::optional<Date> next = add_days(date, step);
        if (!next) return std::nullopt;
        date = *next;
        if (business_day(date, off, holidays)) --left;
    }
    return date;
}

std::string years_months_days(const Date& first, const Date& second) {
    const bool backwards = day_number(second) < day_number(first);
    const Date& from = backwards ? second : first;
    const Date& to = backwards ? first : second;
    auto not_past = [&](std::int32_t months) {
        std::optional<Date> date = add_months(from, months);
        return date && day_number(*date) <= day_number(to);
    };
    std::int32_t years = to.year - from.year;
    while (years > 0 && !not_past(years * 12)) --years;
    std::int32_t months = 0;
    while (months < 11 && not_past(years * 12 + months + 1)) ++months;
    std::int32_t days = day_number(to) - day_number(*add_months(from, years * 12 + months));
    std::string text = backwards ? "－" : "";
    if (years) text += std::to_string(years) + "年";
    if (months) text += std::to_string(months) + "か月";
    if (days || (!years && !months)) text += std::to_string(days) + "日";
    return text;
}

}  // namespace quivra
