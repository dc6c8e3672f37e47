// Office entries read from and written to their line, and the days they cover in a year.
#include "base/office_entry.h"

#include <algorithm>
#include <cstdio>

#include "base/shift_jis.h"

namespace quivra {
namespace {

using namespace std::chrono;

// A leap year, so that a yearly 2/29 is a date.
constexpr int yearly_year = 2000;

std::optional<int> digits(std::string_view text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    for (char c : text) value = value * 10 + (c - '0');
    return value;
}

// MMDD or YYYYMMDD, as `yearly` says.
std::optional<Date> read_date(std::string_view text, bool yearly) {
    if (text.size() != (yearly ? 4u : 8u)) return std::nullopt;
    std::optional<int> number = digits(text);
    if (!number) return std::nullopt;
    const Date day = date(yearly ? yearly_year : *number / 10000, *number / 100 % 100, *number % 100);
    if (!is_valid_date(day)) return std::nullopt;
    return day;
}

std::string date_text(const Date& day, bool yearly) {
    char text[16];
    if (yearly) std::snprintf(text, sizeof text, "%02u%02u", unsigned(day.month()), unsigned(day.day()));
    else std::snprintf(text, sizeof text, "%04d%02u%02u", int(day.year()), unsigned(day.month()), unsigned(day.day()));
    return text;
}

// The month and day in that year. Outside leap years 2/29 is no day: as a
// start it is 3/1 (the standard's reading of an unreal day), as an end 2/28.
sys_days start_in_year(const Date& day, int year) { return sys_days{std::chrono::year{year} / day.month() / day.day()}; }
sys_days end_in_year(const Date& day, int year) {
    const year_month month = std::chrono::year{year} / day.month();
    return sys_days{month / std::min(day.day(), (month / last).day())};
}

}  // namespace

std::optional<OfficeEntry> read_office_entry(std::string_view text) {
    std::string_view fields[3];
    for (std::string_view& field : fields) {
        std::size_t comma = text.find(',');
        if (comma == std::string_view::npos) return std::nullopt;
        field = text.substr(0, comma);
        text.remove_prefix(comma + 1);
    }
    if (fields[0] != "off" && fields[0] != "work") return std::nullopt;
    const bool yearly = fields[1].size() == 4;
    std::optional<Date> from = read_date(fields[1], yearly), to = read_date(fields[2], yearly);
    if (!from || !to || (!yearly && *to < *from)) return std::nullopt;
    text = text.substr(0, text.find_first_of(std::string_view("\0\r\n\x1a", 4)));
    return OfficeEntry{fields[0] == "work", yearly, *from, *to,
                       std::string(cut_to_whole_characters(text, office_name_max_bytes))};
}

std::string office_entry_text(const OfficeEntry& entry) {
    return std::string(entry.working ? "work" : "off") + "," + date_text(entry.from, entry.yearly) + "," +
           date_text(entry.to, entry.yearly) + "," + entry.name;
}

std::vector<sys_days> office_entry_days(const OfficeEntry& entry, int year) {
    std::vector<sys_days> days;
    auto add = [&](sys_days first, sys_days last) {
        for (sys_days day = first; day <= last; day += std::chrono::days{1}) days.push_back(day);
    };
    const sys_days year_first{std::chrono::year{year} / January / 1}, year_last{std::chrono::year{year} / December / 31};
    if (!entry.yearly) {
        add(std::max(sys_days{entry.from}, year_first), std::min(sys_days{entry.to}, year_last));
    } else if (entry.from <= entry.to) {
        add(start_in_year(entry.from, year), end_in_year(entry.to, year));
    } else {
        // Across the new year: the start of this year, then its end.
        add(year_first, end_in_year(entry.to, year));
        add(start_in_year(entry.from, year), year_last);
    }
    return days;
}

}  // namespace quivra
