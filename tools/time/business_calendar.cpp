// Business days by whole weeks and each year's dated days off, and calendar months and years.
#include "tools/time/business_calendar.h"

#include <algorithm>
#include <vector>

#include "base/holidays.h"

namespace quivra {
namespace {

using namespace std::chrono;

bool off_by_weekday(weekday day, const DaysOff& off) {
    return (off.saturday && day == Saturday) || (off.sunday && day == Sunday);
}

// The days of a year that are off by their date, not their weekday.
std::vector<sys_days> dated_days_off(int year, const DaysOff& off) {
    std::vector<sys_days> days;
    const std::chrono::year y{year};
    if (off.year_end)
        for (year_month_day day : {y / January / 1, y / January / 2, y / January / 3, y / December / 29,
                                   y / December / 30, y / December / 31})
            days.push_back(sys_days{day});
    if (off.holidays)
        for (const Holiday& holiday : holidays_of_year(year)) days.push_back(sys_days{holiday.date});
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    std::erase_if(days, [&](sys_days day) { return off_by_weekday(weekday{day}, off); });
    return days;
}

// How many of the days from `from` to `to` fall on `day`.
std::int64_t weekdays_in(sys_days from, sys_days to, weekday day) {
    const sys_days first = from + (day - weekday{from});
    return first > to ? 0 : (to - first).count() / 7 + 1;
}

// The business days from `from` to `to`, both counted.
BusinessDays business_days_in(sys_days from, sys_days to, const DaysOff& off) {
    if (to < from) return {0, false};
    std::int64_t days_off = 0;
    for (weekday day : {Saturday, Sunday})
        if (off_by_weekday(day, off)) days_off += weekdays_in(from, to, day);
    const int first_year = int(year_month_day{from}.year()), last_year = int(year_month_day{to}.year());
    for (int year = first_year; year <= last_year; ++year)
        for (sys_days day : dated_days_off(year, off))
            if (day >= from && day <= to) ++days_off;
    const bool past_table = off.holidays && (first_year < first_holiday_year || last_year > last_holiday_year);
    return {std::int32_t((to - from).count() + 1 - days_off), past_table};
}

constexpr sys_days first_day{first_year / January / 1}, last_day{last_year / December / 31};

// The `count`th business day after `start` (before it when `step` is -1):
// the nearest day whose span from the start holds that many. No stretch of
// 31 days is without one, and any longer span holds one for every two days.
std::optional<Date> business_day_after(sys_days start, std::int64_t count, int step, const DaysOff& off) {
    auto held = [&](sys_days end) {
        return step > 0 ? business_days_in(start + days{1}, end, off).count
                        : business_days_in(end, start - days{1}, off).count;
    };
    const days reach{2 * count + 31};
    sys_days near = start, far = step > 0 ? std::min(start + reach, last_day) : std::max(start - reach, first_day);
    if (held(far) < count) return std::nullopt;
    while ((far - near).count() * step > 1) {
        const sys_days middle = near + (far - near) / 2;
        (held(middle) < count ? near : far) = middle;
    }
    return Date{far};
}

constexpr std::int64_t months_in_calendar = 12 * std::int64_t{int(last_year)};

std::optional<Date> add_months(const Date& start, std::int64_t count) {
    if (!is_valid_date(start) || count < -months_in_calendar || count > months_in_calendar) return std::nullopt;
    const year_month month = start.year() / start.month() + months{count};
    if (!month.ok() || month.year() < first_year) return std::nullopt;
    return Date{month / std::min(start.day(), (month / last).day())};
}

}  // namespace

BusinessDays business_days_between(const Date& first, const Date& second, const DaysOff& off, bool count_first_day) {
    const sys_days earlier{std::min(first, second)}, later{std::max(first, second)};
    BusinessDays between = business_days_in(count_first_day ? earlier : earlier + days{1}, later, off);
    if (second < first) between.count = -between.count;
    return between;
}

std::optional<Date> date_after_by(const Date& start, std::int32_t count, CountUnit unit, const DaysOff& off) {
    switch (unit) {
    case CountUnit::days: return add_days(start, count);
    case CountUnit::weeks: return add_days(start, std::int64_t{count} * 7);
    case CountUnit::months: return add_months(start, count);
    case CountUnit::years: return add_months(start, std::int64_t{count} * 12);
    case CountUnit::business_days: break;
    }
    if (!is_valid_date(start)) return std::nullopt;
    if (count == 0) return start;
    return business_day_after(sys_days{start}, count < 0 ? -std::int64_t{count} : count, count < 0 ? -1 : 1, off);
}

std::string years_months_days(const Date& first, const Date& second) {
    const bool backwards = second < first;
    const Date& from = backwards ? second : first;
    const Date& to = backwards ? first : second;
    auto not_past = [&](std::int64_t months) {
        std::optional<Date> date = add_months(from, months);
        return date && *date <= to;
    };
    std::int64_t years = int(to.year()) - int(from.year());
    while (years > 0 && !not_past(years * 12)) --years;
    std::int64_t months = 0;
    while (months < 11 && not_past(years * 12 + months + 1)) ++months;
    const std::int64_t days = (sys_days{to} - sys_days{*add_months(from, years * 12 + months)}).count();
    std::string text = backwards ? "－" : "";
    if (years) text += std::to_string(years) + "年";
    if (months) text += std::to_string(months) + "か月";
    if (days || (!years && !months)) text += std::to_string(days) + "日";
    return text;
}

}  // namespace quivra
