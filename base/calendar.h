// Gregorian dates, extended backwards to year 1, and their day numbers.
#pragma once

#include <cstdint>
#include <optional>

namespace quivra {

// Only the date part of the platform's system-time record.
struct Date {
    int year;
    int month;
    int day;
};

// Years run from 1 to 65535, the most the record's 16-bit year can hold.
bool is_valid_date(const Date& date);

// 28 to 31; February's by the Gregorian leap years.
int days_in_month(int year, int month);

// 1 January of year 1 is day 1. The date is not checked.
std::int32_t day_number(const Date& date);

// Empty when the date does not exist or the result leaves years 1 to 65535.
std::optional<Date> add_days(const Date& date, std::int32_t days);

// 0 is Sunday, 6 is Saturday. Empty when the date does not exist.
std::optional<int> weekday_index(const Date& date);

}  // namespace quivra
