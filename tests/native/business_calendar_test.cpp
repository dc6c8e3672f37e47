// Business days, months and years between and after dates.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <tuple>

#include "base/holidays.h"
#include "tools/time/business_calendar.h"

namespace quivra {
namespace {

DaysOff days_off(bool saturday, bool sunday, bool holidays, bool year_end, YearEnd kind = YearEnd::government,
                 std::vector<OfficeEntry> entries = {}) {
    DaysOff off;
    off.saturday = saturday, off.sunday = sunday, off.holidays = holidays, off.year_end = year_end;
    off.year_end_kind = kind;
    off.entries = std::move(entries);
    return off;
}

const DaysOff office = days_off(true, true, true, true);  // 土日祝 and 年末年始
const DaysOff weekends_and_holidays;                       // a new user's choice
const DaysOff none = days_off(false, false, false, false);  // every day works

std::tuple<int, int, int> ymd(std::optional<Date> day) {
    return day ? std::tuple(int(day->year()), int(unsigned(day->month())), int(unsigned(day->day()))) : std::tuple(0, 0, 0);
}

// The walk below checks every span without its first day; these, the first day counted.
TEST(BusinessDays, TheFirstDayCountsOnlyWhenAskedAndOnlyWhenItIsABusinessDay) {
    EXPECT_EQ(business_days_between(date(2026, 12, 7), date(2026, 12, 8), office, true).count, 2);
    EXPECT_EQ(business_days_between(date(2026, 12, 8), date(2026, 12, 7), office, true).count, -2);
    EXPECT_EQ(business_days_between(date(2026, 12, 6), date(2026, 12, 7), office, true).count, 1) << "a Sunday";
}

// Whether an entry covers the day, by comparing month and day (yearly) or the dates.
bool covers(const OfficeEntry& entry, const Date& day) {
    if (!entry.yearly) return entry.from <= day && day <= entry.to;
    auto md = [](const Date& d) { return unsigned(d.month()) * 100 + unsigned(d.day()); };
    const unsigned from = md(entry.from), to = md(entry.to), at = md(day);
    return from <= to ? from <= at && at <= to : at >= from || at <= to;
}

// Day by day, from the holiday names alone: what the whole-week count must agree with.
bool is_business_day_walked(const Date& day, const DaysOff& off) {
    for (const OfficeEntry& entry : off.entries)
        if (entry.working && covers(entry, day)) return true;
    for (const OfficeEntry& entry : off.entries)
        if (!entry.working && covers(entry, day)) return false;
    const unsigned weekday = weekday_index(day);
    const unsigned month = unsigned(day.month()), d = unsigned(day.day());
    const unsigned year_end_from = off.year_end_kind == YearEnd::bank ? 31 : 29;
    if ((off.saturday && weekday == 6) || (off.sunday && weekday == 0)) return false;
    if (off.year_end && ((month == 12 && d >= year_end_from) || (month == 1 && d <= 3))) return false;
    return !(off.holidays && !holiday_name(day).empty());
}

TEST(BusinessDays, CountedByWholeWeeksAgreeWithAWalkOverEveryDayAndStepBackToTheirStart) {
    const std::vector<OfficeEntry> company = {
        {false, true, date(2000, 8, 13), date(2000, 8, 16), "お盆休み"},
        {false, true, date(2000, 12, 28), date(2000, 1, 5), "冬休み"},
        {true, true, date(2000, 12, 30), date(2000, 12, 30), "大掃除"},
        {true, false, date(1990, 3, 1), date(1990, 4, 30), "決算"},
        {false, false, date(2030, 5, 1), date(2031, 2, 10), "改装"},
        {true, true, date(2000, 2, 29), date(2000, 2, 29), "閏日"},
        {false, true, date(2000, 2, 29), date(2000, 3, 2), "閏日から"},
    };
    const DaysOff choices[] = {office, weekends_and_holidays, none, days_off(false, true, true, true, YearEnd::bank),
                               days_off(true, false, false, true), days_off(true, true, true, true, YearEnd::bank, company),
                               days_off(true, true, false, false, YearEnd::government, company)};
    std::uint32_t seed = 12345;
    auto next = [&](std::uint32_t below) { return (seed = seed * 1103515245u + 12345u) / 65536u % below; };
    for (int sample = 0; sample < 300; ++sample) {
        const DaysOff& off = choices[sample % std::size(choices)];
        const Date first = *add_days(date(1945, 1, 1), next(80000));
        const Date second = *add_days(first, std::int64_t(next(900)) - 200);
        // The business days after the earlier date, up to and including the later.
        auto walked = [&](const Date& a, const Date& b) {
            std::int32_t count = 0;
            for (Date day = *add_days(std::min(a, b), 1); day <= std::max(a, b); day = *add_days(day, 1))
                count += is_business_day_walked(day, off);
            return count;
        };
        const std::int32_t expected = second < first ? -walked(first, second) : walked(first, second);
        ASSERT_EQ(business_days_between(first, second, off, false).count, expected)
            << int(first.year()) << "/" << unsigned(first.month()) << "/" << unsigned(first.day()) << " " << sample;
        std::optional<Date> after = date_after_by(first, expected, CountUnit::business_days, off);
        if (expected == 0) continue;
        // A business day, with `expected` of them from the start on, the start left out.
        ASSERT_TRUE(after && is_business_day_walked(*after, off)) << sample;
        const std::int32_t back = walked(*add_days(*after, -1), *add_days(first, -1));
        ASSERT_EQ(expected > 0 ? walked(first, *after) : back, expected > 0 ? expected : -expected) << sample;
    }
}

TEST(BusinessDays, AnAnswerPastTheHolidayTableSaysSoOnlyWhenHolidaysAreOff) {
    const BusinessDays past = business_days_between(date(2150, 12, 31), date(2151, 1, 31), weekends_and_holidays, false);
    EXPECT_EQ(std::tuple(past.count, past.past_holiday_table), std::tuple(21, true)) << "元日 2151 is not known";
    EXPECT_TRUE(business_days_between(date(1947, 12, 1), date(1948, 1, 5), office, false).past_holiday_table);
    EXPECT_FALSE(business_days_between(date(1948, 1, 1), date(2150, 12, 31), office, false).past_holiday_table);
    EXPECT_FALSE(business_days_between(date(2150, 12, 31), date(2151, 1, 31), none, false).past_holiday_table);
}

TEST(OfficeCalendar, EachYearEndKindClosesItsOwnDays) {
    const DaysOff government = office, bank = days_off(true, true, true, true, YearEnd::bank);
    std::vector<std::pair<bool, bool>> open_days;  // 2026/12/28 to 2027/01/05: (government, bank)
    for (Date day = date(2026, 12, 28); day <= date(2027, 1, 5); day = *add_days(day, 1))
        open_days.emplace_back(is_business_day(day, government), is_business_day(day, bank));
    EXPECT_EQ(open_days, (std::vector<std::pair<bool, bool>>{{true, true}, {false, true}, {false, true}, {false, false},
                                                              {false, false}, {false, false}, {false, false},
                                                              {true, true}, {true, true}}));
    EXPECT_EQ(business_days_between(date(2026, 12, 25), date(2027, 1, 8), bank, false).count, 8);
    EXPECT_EQ(business_days_between(date(2026, 12, 25), date(2027, 1, 8), government, false).count, 6);
}

TEST(OfficeCalendar, TheCompanysDaysOffCloseAndItsWorkingDaysOpenWhateverElseTheDayIs) {
    const OfficeEntry obon{false, true, date(2000, 8, 13), date(2000, 8, 16), "お盆休み"};
    EXPECT_EQ(business_days_between(date(2027, 8, 10), date(2027, 8, 20), days_off(true, true, true, false, {}, {obon}), false).count, 5);
    EXPECT_EQ(business_days_between(date(2027, 8, 10), date(2027, 8, 20), weekends_and_holidays, false).count, 7);
    const OfficeEntry stocktaking{true, false, date(2027, 3, 27), date(2027, 3, 27), "棚卸し"};
    const DaysOff with_saturday = days_off(true, true, true, true, {}, {stocktaking});
    EXPECT_EQ(ymd(date_after_by(date(2027, 3, 26), 1, CountUnit::business_days, with_saturday)), std::tuple(2027, 3, 27));
    // A working day beats a holiday, the year-end and the company's own day off alike.
    const OfficeEntry new_year_shift{true, false, date(2027, 1, 1), date(2027, 1, 2), "初売り"};
    const OfficeEntry winter{false, true, date(2000, 12, 20), date(2000, 1, 10), "冬休み"};
    const DaysOff both = days_off(true, true, true, true, {}, {winter, new_year_shift});
    EXPECT_EQ((std::vector{is_business_day(date(2026, 12, 21), both), is_business_day(date(2027, 1, 1), both),
                           is_business_day(date(2027, 1, 2), both), is_business_day(date(2027, 1, 8), both),
                           is_business_day(date(2027, 1, 12), both)}),
              (std::vector{false, true, true, false, true})) << "a yearly range across the new year";
    const OfficeEntry later{false, false, date(2030, 5, 1), date(2030, 5, 31), "改装"};
    EXPECT_EQ(business_days_between(date(2027, 5, 1), date(2027, 5, 31), days_off(true, true, true, false, {}, {later}), false).count,
              business_days_between(date(2027, 5, 1), date(2027, 5, 31), weekends_and_holidays, false).count);
}

TEST(OfficeCalendar, ADayOffRollsToTheBusinessDayBeforeOrAfterIt) {
    auto rolled = [](int y, int m, int d, Roll roll, const DaysOff& off) {
        return ymd(rolled_to_business_day(date(y, m, d), roll, off));
    };
    EXPECT_EQ(rolled(2027, 1, 31, Roll::previous, weekends_and_holidays), std::tuple(2027, 1, 29)) << "a Sunday";
    EXPECT_EQ(rolled(2027, 1, 31, Roll::next, weekends_and_holidays), std::tuple(2027, 2, 1));
    EXPECT_EQ(rolled(2027, 1, 31, Roll::stay, weekends_and_holidays), std::tuple(2027, 1, 31));
    EXPECT_EQ(rolled(2027, 1, 1, Roll::next, office), std::tuple(2027, 1, 4)) << "元日 and the year-end";
    EXPECT_EQ(rolled(2027, 1, 1, Roll::previous, office), std::tuple(2026, 12, 28));
    EXPECT_EQ(rolled(2027, 1, 1, Roll::previous, days_off(true, true, true, true, YearEnd::bank)), std::tuple(2026, 12, 30));
    EXPECT_EQ(rolled(2026, 5, 6, Roll::previous, weekends_and_holidays), std::tuple(2026, 5, 1)) << "振替休日";
    const OfficeEntry obon{false, true, date(2000, 8, 13), date(2000, 8, 16), "お盆休み"};
    EXPECT_EQ(rolled(2027, 8, 13, Roll::next, days_off(true, true, true, false, {}, {obon})), std::tuple(2027, 8, 17));
    EXPECT_EQ(rolled(2027, 8, 12, Roll::next, weekends_and_holidays), std::tuple(2027, 8, 12)) << "a business day stays";
    const Date due = *date_after_by(date(2026, 12, 8), 1, CountUnit::month_ends, weekends_and_holidays);
    EXPECT_EQ(ymd(rolled_to_business_day(due, Roll::previous, weekends_and_holidays)), std::tuple(2027, 1, 29));
}

TEST(CalendarUnits, AMonthEndIsTheLastDayOfTheMonthCountedFromTheStartsOwn) {
    for (int year : {2024, 2027})
        for (int month = 1; month <= 12; ++month) {
            const Date start = date(year, month, 15);
            for (int count : {-1, 0, 1}) {
                const int index = year * 12 + month - 1 + count;
                const std::chrono::year_month expected = std::chrono::year{index / 12} / std::chrono::month(unsigned(index % 12 + 1));
                EXPECT_EQ(date_after_by(start, count, CountUnit::month_ends, office), Date{expected / std::chrono::last})
                    << year << "/" << month << " " << count;
            }
        }
    EXPECT_EQ(ymd(date_after_by(date(2024, 1, 31), 1, CountUnit::month_ends, office)), std::tuple(2024, 2, 29));
    EXPECT_EQ(ymd(date_after_by(date(2026, 12, 8), 1, CountUnit::month_ends, office)), std::tuple(2027, 1, 31));
}

TEST(BusinessDays, TheNthAfterOrBeforeNeverCountsTheStart) {
    EXPECT_EQ(ymd(date_after_by(date(2026, 12, 28), 3, CountUnit::business_days, office)), std::tuple(2027, 1, 6));
    EXPECT_EQ(ymd(date_after_by(date(2026, 12, 28), 3, CountUnit::business_days, weekends_and_holidays)),
              std::tuple(2026, 12, 31));
    EXPECT_EQ(ymd(date_after_by(date(2027, 1, 6), -3, CountUnit::business_days, office)), std::tuple(2026, 12, 28));
    EXPECT_EQ(ymd(date_after_by(date(2026, 12, 27), 0, CountUnit::business_days, office)), std::tuple(2026, 12, 27))
        << "0 is the start, though a Sunday";
    EXPECT_EQ(ymd(date_after_by(date(2026, 12, 26), 1, CountUnit::business_days, none)), std::tuple(2026, 12, 27));
    EXPECT_FALSE(date_after_by(date(32767, 12, 31), 1, CountUnit::business_days, none));
}

TEST(CalendarUnits, MonthsAndYearsKeepTheDayCutToTheMonthsEnd) {
    EXPECT_EQ(ymd(date_after_by(date(2027, 1, 31), 1, CountUnit::months, office)), std::tuple(2027, 2, 28));
    EXPECT_EQ(ymd(date_after_by(date(2024, 2, 29), 1, CountUnit::years, office)), std::tuple(2025, 2, 28));
    EXPECT_EQ(ymd(date_after_by(date(2024, 2, 29), 4, CountUnit::years, office)), std::tuple(2028, 2, 29));
    EXPECT_EQ(ymd(date_after_by(date(2026, 3, 31), -1, CountUnit::months, office)), std::tuple(2026, 2, 28));
    EXPECT_EQ(ymd(date_after_by(date(2026, 1, 15), -13, CountUnit::months, office)), std::tuple(2024, 12, 15));
    EXPECT_EQ(ymd(date_after_by(date(2026, 12, 7), 2, CountUnit::weeks, office)), std::tuple(2026, 12, 21));
    EXPECT_FALSE(date_after_by(date(1, 1, 15), -1, CountUnit::months, office));
    EXPECT_FALSE(date_after_by(date(32767, 12, 1), 1, CountUnit::months, office));
    // Counts that would wrap in 32 bits reach past the calendar instead.
    EXPECT_FALSE(date_after_by(date(2026, 1, 1), 613'566'757, CountUnit::weeks, office));
    EXPECT_FALSE(date_after_by(date(2026, 1, 1), INT32_MIN, CountUnit::years, office));
    EXPECT_FALSE(date_after_by(date(2026, 1, 1), INT32_MAX, CountUnit::business_days, none));
}

TEST(CalendarUnits, YearsMonthsAndDaysBetweenCountWholeYearsThenMonthsFromTheEarlierDate) {
    const struct { Date first, second; const char* text; } cases[] = {
        {date(2000, 2, 29), date(2026, 12, 7), "26年9か月8日"},
        {date(2026, 12, 7), date(2000, 2, 29), "－26年9か月8日"},
        {date(2026, 12, 7), date(2026, 12, 7), "0日"},
        {date(2024, 2, 29), date(2025, 2, 28), "1年"},
        {date(2024, 2, 29), date(2025, 2, 27), "11か月29日"},
        {date(2026, 1, 31), date(2026, 2, 28), "1か月"},
        {date(2026, 1, 31), date(2026, 3, 1), "1か月1日"},
        {date(2025, 12, 31), date(2027, 1, 1), "1年1日"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(years_months_days(c.first, c.second), c.text)
            << int(c.first.year()) << "/" << unsigned(c.first.month()) << "/" << unsigned(c.first.day());
    }
}

}  // namespace
}  // namespace quivra
