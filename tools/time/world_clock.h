// The world clock's city table and its report, as the window shows it (CP932).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quivra {

struct City {
    const char* name;
    std::int32_t hours_from_japan;  // standard time
};

inline constexpr std::size_t city_count = 38;
// The order is the combo box's and the report's, and world_def counts in it.
extern const std::array<City, city_count> cities;

// The row a stored selection stands for: itself when it names a row, else
// the first, so a hand-edited file can never make a report read past the table.
std::size_t city_row(std::int64_t stored);

// One line per city, in table order: its time when it is hour:minute at the
// chosen city, with summer time adding an hour to every row.
std::vector<std::string> world_times(std::int64_t chosen, int hour, int minute, bool summer_time);

}  // namespace quivra
