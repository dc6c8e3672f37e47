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

void sort_unique(std::vector<sys_days>& days) {
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
}

bool holds(const std::vector<sys_days>& sorted, sys_days day) {
    return std::binary_search(sorted.begin(), sorted.end(), day);
}

// The days of a year that are not what their weekday makes them, in order.
struct YearExceptions {
    std::vector<sys_days> off;      // weekdays that are closed
    std::vector<sys_days> working;  // days off by their weekday that are worked
};

// The days of a year closed by their date (holidays, the year-end, the
// company's days off) and the company's working days, each in order.
struct DatedDays {
    std::vector<sys_days> closed, worked;
};

DatedDays dated_days(int year, const DaysOff& off) {
    std::vector<sys_days> closed, worked;
    const std::chrono::year y{year};
    if (off.year_end) {
        const sys_days new_year{y / January / 1};
        for (sys_days day = new_year; day <= new_year + days{2}; day += days{1}) closed.push_back(day);
        const unsigned first = off.year_end_kind == YearEnd::bank ? 31 : 29;
        for (unsigned day = first; day <= 31; ++day) closed.push_back(sys_days{y / December / std::chrono::day{day}});
    }
    if (off.holidays)
        for (const Holiday& holiday : holidays_of_year(year)) closed.push_back(sys_days{holiday.date});
    for (const OfficeEntry& entry : off.entries) {
        std::vector<sys_days> covered = office_entry_days(entry, year);
        (entry.working ? worked : closed).insert((entry.working ? worked : closed).end(), covered.begin(), covered.end());
    }
    sort_unique(closed);
    sort_unique(worked);
    return {closed, worked};
}

YearExceptions exceptions_of_year(int year, const DaysOff& off) {
    const auto [closed, worked] = dated_days(year, off);
    YearExceptions exceptions;
    for (sys_days day : closed)
        if (!off_by_weekday(weekday{day}, off) && !holds(worked, day)) exceptions.off.push_back(day);
    for (sys_days day : worked)
        if (off_by_weekday(weekday{day}, off)) exceptions.working.push_back(day);
    return exceptions;
}

std::int64_t held_between(const std::vector<sys_days>& sorted, sys_days from, sys_days to) {
    return std::upper_bound(sorted.begin(), sorted.end(), to) - std::lower_bound(sorted.begin(), sorted.end(), from);
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
    for (int year = first_year; year <= last_year; ++year) {
        const YearExceptions exceptions = exceptions_of_year(year, off);
        days_off += held_between(exceptions.off, from, to) - held_between(exceptions.working, from, to);
    }
    const bool past_table = off.holidays && (first_year < first_holiday_year || last_year > last_holiday_year);
    return {std::int32_t((to - from).count() + 1 - days_off), past_table};
}

constexpr sys_days first_day{first_year / January / 1}, last_day{last_year / December / 31};

// The `count`th business day after `start` (before it when `step` is -1):
// the nearest day whose span from the start holds that many, found by
// halving a span that doubles until it holds enough.
std::optional<Date> business_day_after(sys_days start, std::int64_t count, int step, const DaysOff& off) {
    auto held = [&](sys_days end) {
        return step > 0 ? business_days_in(start + days{1}, end, off).count
                        : business_days_in(end, start - days{1}, off).count;
    };
    auto reached = [&](days reach) { return step > 0 ? std::min(start + reach, last_day) : std::max(start - reach, first_day); };
    days reach{2 * count + 31};
    sys_days near = start, far = reached(reach);
    while (held(far) < count) {
        if (far == last_day || far == first_day) return std::nullopt;
        far = reached(reach *= 2);
    }
    while ((far - near).count() * step > 1) {
        const sys_days middle = near + (far - near) / 2;
        (held(middle) < count ? near : far) = middle;
    }
    return Date{far};
}

constexpr std::int64_t months_in_calendar = 12 * std::int64_t{int(last_year)};

// The month `count` months from the start's.
std::optional<year_month> month_after(const Date& start, std::int64_t count) {
    if (!is_valid_date(start) || count < -months_in_calendar || count > months_in_calendar) return std::nullopt;
    const year_month month = start.year() / start.month() + months{count};
    if (!month.ok() || month.year() < first_year) return std::nullopt;
    return month;
}

std::optional<Date> add_months(const Date& start, std::int64_t count) {
    std::optional<year_month> month = month_after(start, count);
    if (!month) return std::nullopt;
    return Date{*month / std::min(start.day(), (*month / last).day())};
}

}  // namespace

std::uint32_t dated_days_off_bits(int year, int month, const DaysOff& off) {
    std::uint32_t bits = 0;
    const auto [closed, worked] = dated_days(year, off);
    for (sys_days day : closed)
        if (const year_month_day date{day}; date.month() == std::chrono::month(unsigned(month)) && !holds(worked, day))
            bits |= 1u << (unsigned(date.day()) - 1);
    return bits;
}

DaysOff days_off_of(const OfficeCalendarKept& kept) {
    DaysOff off;
    off.saturday = kept.saturday_off, off.sunday = kept.sunday_off, off.holidays = kept.holidays_off;
    off.year_end = kept.year_end_off;
    off.year_end_kind = kept.year_end_kind == 1 ? YearEnd::bank : YearEnd::government;
    if (kept.entries_apply) off.entries = kept.entries;
    return off;
}

bool is_business_day(const Date& date, const DaysOff& off) {
    const sys_days day{date};
    const YearExceptions exceptions = exceptions_of_year(int(date.year()), off);
    return off_by_weekday(weekday{day}, off) ? holds(exceptions.working, day) : !holds(exceptions.off, day);
}

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
    case CountUnit::month_ends:
        if (std::optional<year_month> month = month_after(start, count)) return Date{*month / last};
        return std::nullopt;
    case CountUnit::business_days: break;
    }
    if (!is_valid_date(start)) return std::nullopt;
    if (count == 0) return start;
    return business_day_after(sys_days{start}, count < 0 ? -std::int64_t{count} : count, count < 0 ? -1 : 1, off);
}

std::optional<Date> rolled_to_business_day(const Date& date, Roll roll, const DaysOff& off) {
    if (roll == Roll::stay || !is_valid_date(date) || is_business_day(date, off)) return date;
    return business_day_after(sys_days{date}, 1, roll == Roll::previous ? -1 : 1, off);
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
