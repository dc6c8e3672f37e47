// Gregorian dates on the standard library's calendar, from year 1 to the last year it holds.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace quivra {

using Date = std::chrono::year_month_day;

inline constexpr std::chrono::year first_year{1};
inline constexpr std::chrono::year last_year = std::chrono::year::max();

constexpr Date date(int year, int month, int day) {
    return {std::chrono::year{year}, std::chrono::month(unsigned(month)), std::chrono::day(unsigned(day))};
}

// A date that exists, within the years above.
constexpr bool is_valid_date(const Date& date) { return date.ok() && date.year() >= first_year; }

// Empty when the date does not exist or the result leaves the years above.
std::optional<Date> add_days(const Date& date, std::int64_t days);

// 0 is Sunday, 6 is Saturday. The date must exist.
inline unsigned weekday_index(const Date& date) {
    return std::chrono::weekday{std::chrono::sys_days{date}}.c_encoding();
}

}  // namespace quivra
