// A company's own day off or working day: one entry of the office calendar, as tarv.ini writes it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/calendar.h"

namespace quivra {

inline constexpr std::size_t office_entries_max = 50;
inline constexpr std::size_t office_name_max_bytes = 40;

struct OfficeEntry {
    bool working = false;  // 出勤日: a business day whatever else the day is
    bool yearly = false;   // every year, by month and day (the year is a leap year's, and means nothing)
    Date from;
    Date to;  // a yearly entry may end in the next year: 12/28 to 1/4
    std::string name;
    bool operator==(const OfficeEntry&) const = default;
};

// "off,0813,0816,お盆休み" or "work,20270327,20270327,棚卸し"; empty for any
// other text. The name is the rest of the line, cut to its limit.
std::optional<OfficeEntry> read_office_entry(std::string_view text);
std::string office_entry_text(const OfficeEntry& entry);

// The entry's days within one year, in order.
std::vector<std::chrono::sys_days> office_entry_days(const OfficeEntry& entry, int year);

}  // namespace quivra
