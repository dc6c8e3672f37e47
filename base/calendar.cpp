// Day numbers and weekdays of Gregorian dates.
#include "base/calendar.h"

namespace quivra {
namespace {

constexpr int max_year = 65535;

constexpr bool is_leap_year(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int year_length(int year) { return is_leap_year(year) ? 366 : 365; }

constexpr int month_length(int year, int month) {
    if (month == 2) return is_leap_year(year) ? 29 : 28;
    if (month <= 7) return month % 2 == 1 ? 31 : 30;
    return month % 2 == 0 ? 31 : 30;
}

constexpr std::int64_t days_in_whole_years(std::int64_t years) {
    return 365 * years + years / 4 - years / 100 + years / 400;
}

// 64 bits so that an unchecked date cannot overflow.
constexpr std::int64_t wide_day_number(const Date& date) {
    std::int64_t number = date.day + days_in_whole_years(std::int64_t{date.year} - 1);
    // A month past December counts only the twelve months a year has.
    for (int month = 1; month < date.month && month <= 12; ++month) {
        number += month_length(date.year, month);
    }
    return number;
}

constexpr std::int64_t last_day_number = wide_day_number(Date{max_year, 12, 31});

// One multiplication estimates the year; near 31 December it can be a year
// off either way, which the year walk puts right.
Date date_of_day_number(std::int32_t number) {
    auto whole_years = static_cast<std::int32_t>(number * 0.002737907006988508);
    // The last day of a 400-year cycle belongs to that cycle's final year.
    if (number % 146097 == 0) --whole_years;

    int year = whole_years + 1;
    auto day_of_year = static_cast<int>(number - days_in_whole_years(whole_years));
    while (day_of_year < 1) {
        --year;
        day_of_year += year_length(year);
    }
    while (day_of_year > year_length(year)) {
        day_of_year -= year_length(year);
        ++year;
    }

    int month = 1;
    while (day_of_year > month_length(year, month)) {
        day_of_year -= month_length(year, month);
        ++month;
    }
    return Date{year, month, day_of_year};
}

}  // namespace

int days_in_month(int year, int month) { return month_length(year, month); }

bool is_valid_date(const Date& date) {
    if (date.year < 1 || date.year > max_year) return false;
    if (date.month < 1 || date.month > 12) return false;
    return date.day >= 1 && date.day <= month_length(date.year, date.month);
}

std::int32_t day_number(const Date& date) {
    return static_cast<std::int32_t>(wide_day_number(date));
}

std::optional<Date> add_days(const Date& date, std::int32_t days) {
    if (!is_valid_date(date)) return std::nullopt;
    const std::int64_t number = wide_day_number(date) + days;
    if (number < 1 || number > last_day_number) return std::nullopt;
    return date_of_day_number(static_cast<std::int32_t>(number));
}

std::optional<int> weekday_index(const Date& date) {
    if (!is_valid_date(date)) return std::nullopt;
    // Day 1 was a Monday.
    return static_cast<int>(wide_day_number(date) % 7);
}

}  // namespace quivra
