// Japan's public holidays under the holiday law of 1948/07/20: the
// national holidays (国民の祝日), the substitute holidays (振替休日) and the
// days between two holidays (国民の休日), with their names (CP932).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/calendar.h"

namespace quivra {

inline constexpr int first_holiday_year = 1948;
inline constexpr int last_holiday_year = 2150;
// The last year whose equinox days the government has announced; later
// years' come from the astronomical formula and may yet differ.
inline constexpr int last_announced_equinox_year = 2027;

struct Holiday {
    Date date;
    std::string_view name;
    bool predicted;  // an equinox day past the last announced year
};

// The year's holidays in date order; none outside the years above.
std::vector<Holiday> holidays_of_year(int year);

// The holiday's name on that date, or empty on any other day.
std::string_view holiday_name(const Date& date);

// A month's holidays as a month calendar's day state: bit d-1 for day d.
std::uint32_t holiday_bits(int year, int month);

// Whether the year has equinox days that are predictions.
inline bool equinoxes_predicted(int year) { return year > last_announced_equinox_year; }

}  // namespace quivra
