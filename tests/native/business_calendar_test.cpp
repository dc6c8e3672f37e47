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

constexpr DaysOff office{true, true, true, true};    // 土日祝 and 年末年始
constexpr DaysOff weekends_and_holidays{};           // a new user's choice
constexpr DaysOff none{false, false, false, false};  // every day works

std::tuple<int, int, int> ymd(std::optional<Date> day) {
    return day ? std::tuple(int(day->year()), int(unsigned(day->month())), int(unsigned(day->day()))) : std::tuple(0, 0, 0);
}

TEST(BusinessDays, BetweenTwoDatesAcrossTheYearEndInBothDirections) {
    EXPECT_EQ(business_days_between(date(2026, 12, 25), date(2027, 1, 8), office, false).count, 6);
    EXPECT_EQ(business_days_between(date(2027, 1, 8), date(2026, 12, 25), office, false).count, -6);
    EXPECT_EQ(business_days_between(date(2026, 12, 25), date(2027, 1, 8), weekends_and_holidays, false).count, 9)
        << "12/28 to 12/31 and 1/4 to 1/8, 1/1 being 元日";
    EXPECT_EQ(business_days_between(date(2026, 12, 1), date(2026, 12, 8), none, false).count, 7);
    EXPECT_EQ(business_days_between(date(2026, 12, 7), date(2026, 12, 7), office, false).count, 0);
    // Monday the 7th counts only when the first day does; Sunday the 6th never.
    EXPECT_EQ(business_days_between(date(2026, 12, 7), date(2026, 12, 8), office, true).count, 2);
    EXPECT_EQ(business_days_between(date(2026, 12, 8), date(2026, 12, 7), office, true).count, -2);
    EXPECT_EQ(business_days_between(date(2026, 12, 6), date(2026, 12, 7), office, true).count, 1);
    // Golden Week: 4/29 and 5/3 to 5/6 are off in 2026, the weekend too.
    EXPECT_EQ(business_days_between(date(2026, 4, 28), date(2026, 5, 7), weekends_and_holidays, false).count, 3);
    EXPECT_EQ(business_days_between(date(2026, 4, 28), date(2026, 5, 7), DaysOff{true, true, false, false}, false).count, 7);
}

// Day by day, from the holiday names alone: what the whole-week count must agree with.
bool is_business_day_walked(const Date& day, const DaysOff& off) {
    const unsigned weekday = weekday_index(day);
    const unsigned month = unsigned(day.month()), d = unsigned(day.day());
    if ((off.saturday && weekday == 6) || (off.sunday && weekday == 0)) return false;
    if (off.year_end && ((month == 12 && d >= 29) || (month == 1 && d <= 3))) return false;
    return !(off.holidays && !holiday_name(day).empty());
}

TEST(BusinessDays, CountedByWholeWeeksAgreeWithAWalkOverEveryDayAndStepBackToTheirStart) {
    const DaysOff choices[] = {office, weekends_and_holidays, none, {false, true, true, true}, {true, false, false, true}};
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
