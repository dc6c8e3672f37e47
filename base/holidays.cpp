// The holiday law as a table of rules, one row for each rule and the years it held.
#include "base/holidays.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quivra {
namespace {

enum class Kind {
    fixed,       // `day` of `month`
    monday,      // the `day`th Monday of `month`
    equinox,     // the equinox day of `month` (3 or 9)
};

struct Rule {
    std::string_view name;
    Kind kind;
    int month;
    int day;
    int from_year;
    int to_year;
};

constexpr int open_ended = last_holiday_year;

// A law change ends one row and starts another. The 2020 and 2021 Olympic
// years moved three holidays for one year each; the one-off days are rows
// of a single year.
constexpr std::array rules = {
    Rule{"元日", Kind::fixed, 1, 1, 1949, open_ended},
    Rule{"成人の日", Kind::fixed, 1, 15, 1949, 1999},
    Rule{"成人の日", Kind::monday, 1, 2, 2000, open_ended},
    Rule{"建国記念の日", Kind::fixed, 2, 11, 1967, open_ended},
    Rule{"天皇誕生日", Kind::fixed, 4, 29, 1949, 1988},
    Rule{"天皇誕生日", Kind::fixed, 12, 23, 1989, 2018},
    Rule{"天皇誕生日", Kind::fixed, 2, 23, 2020, open_ended},
    Rule{"春分の日", Kind::equinox, 3, 0, 1949, open_ended},
    Rule{"みどりの日", Kind::fixed, 4, 29, 1989, 2006},
    Rule{"昭和の日", Kind::fixed, 4, 29, 2007, open_ended},
    Rule{"憲法記念日", Kind::fixed, 5, 3, 1949, open_ended},
    Rule{"みどりの日", Kind::fixed, 5, 4, 2007, open_ended},
    Rule{"こどもの日", Kind::fixed, 5, 5, 1949, open_ended},
    Rule{"海の日", Kind::fixed, 7, 20, 1996, 2002},
    Rule{"海の日", Kind::monday, 7, 3, 2003, 2019},
    Rule{"海の日", Kind::fixed, 7, 23, 2020, 2020},
    Rule{"海の日", Kind::fixed, 7, 22, 2021, 2021},
    Rule{"海の日", Kind::monday, 7, 3, 2022, open_ended},
    Rule{"山の日", Kind::fixed, 8, 11, 2016, 2019},
    Rule{"山の日", Kind::fixed, 8, 10, 2020, 2020},
    Rule{"山の日", Kind::fixed, 8, 8, 2021, 2021},
    Rule{"山の日", Kind::fixed, 8, 11, 2022, open_ended},
    Rule{"敬老の日", Kind::fixed, 9, 15, 1966, 2002},
    Rule{"敬老の日", Kind::monday, 9, 3, 2003, open_ended},
    Rule{"秋分の日", Kind::equinox, 9, 0, 1948, open_ended},
    Rule{"体育の日", Kind::fixed, 10, 10, 1966, 1999},
    Rule{"体育の日", Kind::monday, 10, 2, 2000, 2019},
    Rule{"スポーツの日", Kind::fixed, 7, 24, 2020, 2020},
    Rule{"スポーツの日", Kind::fixed, 7, 23, 2021, 2021},
    Rule{"スポーツの日", Kind::monday, 10, 2, 2022, open_ended},
    Rule{"文化の日", Kind::fixed, 11, 3, 1948, open_ended},
    Rule{"勤労感謝の日", Kind::fixed, 11, 23, 1948, open_ended},
    Rule{"皇太子明仁親王の結婚の儀", Kind::fixed, 4, 10, 1959, 1959},
    Rule{"昭和天皇の大喪の礼", Kind::fixed, 2, 24, 1989, 1989},
    Rule{"即位礼正殿の儀", Kind::fixed, 11, 12, 1990, 1990},
    Rule{"皇太子徳仁親王の結婚の儀", Kind::fixed, 6, 9, 1993, 1993},
    Rule{"天皇の即位の日", Kind::fixed, 5, 1, 2019, 2019},
    Rule{"即位礼正殿の儀", Kind::fixed, 10, 22, 2019, 2019},
};

constexpr std::string_view substitute_name = "振替休日";
constexpr std::string_view between_name = "国民の休日";

using std::chrono::sys_days;

// The holiday on a Sunday moves to a later day from this date on; from
// 2007 past any holidays that follow it, before then to the next day only.
constexpr sys_days first_substitute{date(1973, 4, 12)};
constexpr int substitutes_skip_holidays_from = 2007;
constexpr sys_days first_day_between{date(1985, 12, 27)};

bool is_sunday(sys_days day) { return std::chrono::weekday{day} == std::chrono::Sunday; }

// The published formula for the equinox days: its constants change with
// the century, and pre-1980 years count their leap days from 1983.
// Integer arithmetic in millionths, so no rounding moves a day.
int equinox_day(int year, int month) {
    const bool spring = month == 3;
    std::int64_t constant = 0, leap_days = 0;
    if (year <= 1979) {
        constant = spring ? 20'835'700 : 23'258'800;
        leap_days = (year - 1983) / 4;
    } else {
        constant = year <= 2099 ? (spring ? 20'843'100 : 23'248'800) : (spring ? 21'851'000 : 24'248'800);
        leap_days = (year - 1980) / 4;
    }
    return int((constant + 242'194LL * (year - 1980) - leap_days * 1'000'000) / 1'000'000);
}

Date day_of_rule(const Rule& rule, int year) {
    using namespace std::chrono;
    switch (rule.kind) {
    case Kind::fixed: break;
    case Kind::monday:
        return Date{sys_days{std::chrono::year{year} / month(unsigned(rule.month)) / Monday[unsigned(rule.day)]}};
    case Kind::equinox: return date(year, rule.month, equinox_day(year, rule.month));
    }
    return date(year, rule.month, rule.day);
}

}  // namespace

std::vector<Holiday> holidays_of_year(int year) {
    std::vector<Holiday> days;
    if (year < first_holiday_year || year > last_holiday_year) return days;
    for (const Rule& rule : rules)
        if (year >= rule.from_year && year <= rule.to_year)
            days.push_back({day_of_rule(rule, year), rule.name, rule.kind == Kind::equinox && equinoxes_predicted(year)});
    auto by_date = [](const Holiday& a, const Holiday& b) { return a.date < b.date; };
    std::sort(days.begin(), days.end(), by_date);
    std::vector<sys_days> national;
    for (const Holiday& holiday : days) national.push_back(sys_days{holiday.date});
    auto is_national = [&](sys_days day) { return std::find(national.begin(), national.end(), day) != national.end(); };
    auto add = [&](sys_days day, std::string_view name) {
        if (Date{day}.year() == std::chrono::year{year}) days.push_back({Date{day}, name, false});
    };
    std::vector<sys_days> substitutes;
    for (sys_days day : national) {
        if (!is_sunday(day) || day < first_substitute) continue;
        sys_days next = day + std::chrono::days{1};
        if (year >= substitutes_skip_holidays_from) {
            while (is_national(next)) next += std::chrono::days{1};
        } else if (is_national(next)) {
            continue;
        }
        substitutes.push_back(next);
        add(next, substitute_name);
    }
    for (sys_days day : national) {
        sys_days between = day + std::chrono::days{1};
        if (is_national(between + std::chrono::days{1}) && !is_national(between) && !is_sunday(between) &&
            std::find(substitutes.begin(), substitutes.end(), between) == substitutes.end() &&
            day >= first_day_between)
            add(between, between_name);
    }
    std::sort(days.begin(), days.end(), by_date);
    return days;
}

std::uint32_t holiday_bits(int year, int month) {
    std::uint32_t bits = 0;
    for (const Holiday& holiday : holidays_of_year(year))
        if (holiday.date.month() == std::chrono::month(unsigned(month))) bits |= 1u << (unsigned(holiday.date.day()) - 1);
    return bits;
}

std::string_view holiday_name(const Date& date) {
    for (const Holiday& holiday : holidays_of_year(int(date.year())))
        if (holiday.date == date) return holiday.name;
    return {};
}

}  // namespace quivra
