// Business days, whole months and years between and after dates: the
// date calculator's arithmetic beyond plain days.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/calendar.h"
#include "base/office_entry.h"
#include "base/settings.h"

namespace quivra {

// Whose year-end: the government closes 12/29 to 1/3, the banks 12/31 to 1/3.
enum class YearEnd { government, bank };

// Which days are not business days: the office calendar.
struct DaysOff {
    bool saturday = true;
    bool sunday = true;
    bool holidays = true;  // 国民の祝日, 振替休日 and 国民の休日
    bool year_end = false;
    YearEnd year_end_kind = YearEnd::government;
    // The company's own: its days off, and its working days, which are
    // business days whatever else the day is.
    std::vector<OfficeEntry> entries;
};

// The office calendar as tarv.ini keeps it; a stored choice out of range is the first.
DaysOff days_off_of(const OfficeCalendarKept& kept);

bool is_business_day(const Date& date, const DaysOff& off);

// A month's days closed by their date (holidays, the year-end, the company's
// days off; not its working days, nor weekends) as a month calendar's day
// state: bit d-1 for day d.
std::uint32_t dated_days_off_bits(int year, int month, const DaysOff& off);

struct BusinessDays {
    std::int32_t count;
    // Holidays are off, but the span reaches years the holiday table does not hold.
    bool past_holiday_table;
};

// The business days after the earlier date up to and including the later
// one, negative when `second` is the earlier; with `count_first_day` the
// earlier date counts too when it is a business day.
BusinessDays business_days_between(const Date& first, const Date& second, const DaysOff& off, bool count_first_day);

enum class CountUnit { days, weeks, months, years, business_days, month_ends };

// The date `count` units after `start`, before it when negative; months
// and years keep the day, cut to the month's end. Business days count from
// the day after (or before) the start; 0 of them is the start. A month end
// is the last day of the month `count` months from the start's (0: its
// own). Empty outside the calendar's years.
std::optional<Date> date_after_by(const Date& start, std::int32_t count, CountUnit unit, const DaysOff& off);

// Where a date that falls on a day off goes.
enum class Roll { stay, previous, next };

// The date itself when it is a business day or `roll` is stay; otherwise
// the nearest business day before or after it.
std::optional<Date> rolled_to_business_day(const Date& date, Roll roll, const DaysOff& off);

// The difference as "1年2か月3日": whole years from the earlier date, then
// whole months, each added with the day cut to the month's end, then the
// days left; zero parts left out, "0日" for equal dates, "－" ahead when
// `second` is the earlier.
std::string years_months_days(const Date& first, const Date& second);

}  // namespace quivra
