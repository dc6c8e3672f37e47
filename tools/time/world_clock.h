// The world clock's city table and its report, as the window shows it (CP932).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/zone_offset.h"
#include "base/calendar.h"

namespace quivra {

struct City {
    const char* name;
    std::int32_t hours_from_japan;  // standard time
    const char* zone;               // the key of its zone in the system's time-zone database
};

inline constexpr std::size_t city_count = 38;
// The order is the combo box's and the report's, and the stored city counts in it.
extern const std::array<City, city_count> cities;

// One line per city, in table order: its time when it is hour:minute at the
// chosen city, with summer time adding an hour to every row.
std::vector<std::string> world_times(std::int64_t chosen, int hour, int minute, bool summer_time);

// A moment to the minute, as a clock reads it.
struct DateMinute {
    Date date;
    int hour;
    int minute;
};

// Whole minutes since 1601/01/01 00:00, as Windows' FILETIME counts them,
// and back.
std::int64_t minute_number(const DateMinute& time);
DateMinute at_minute_number(std::int64_t minute);

// The system's time-zone database, each zone named by its key, each moment a
// minute_number; every answer is empty when the system does not know the zone.
class TimeZones {
public:
    virtual std::optional<ZoneOffset> offset_at(std::string_view zone, std::int64_t utc) = 0;
    // The UTC moment at which the zone's clock reads `local`: a time the
    // clock skips is read as standard time, one it shows twice as daylight time.
    virtual std::optional<std::int64_t> universal_minute(std::string_view zone, std::int64_t local) = 0;

protected:
    ~TimeZones() = default;
};

// The same lines for the moment `local` at the chosen city, each city by
// its own zone's rules for that date: the day marker compares with the
// chosen date, and a city keeping summer time is marked " 夏時間". A zone the
// system does not know keeps its standard hours from the table.
std::vector<std::string> world_times_by_zone(std::int64_t chosen, const DateMinute& local, TimeZones& zones);

}  // namespace quivra
