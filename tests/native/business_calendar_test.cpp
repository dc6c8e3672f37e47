// Business days, months and years between and after dates.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tools/time/business_calendar.h"

namespace quivra {
namespace {

constexpr DaysOff office{true, true, true, true};    // 土日祝 and 年末年始
constexpr DaysOff weekends_and_holidays{};           // a new user's choice
constexpr DaysOff none{false, false, false, false};  // every day works

std::tuple<int, int, int> ymd(std::optional<Date> date) {
    return date ? std::tuple(date->year, date->month, date->day) : std::tuple(0, 0, 0);
}

TEST(BusinessDays, BetweenTwoDatesAcrossTheYearEndInBothDirections) {
    EXPECT_EQ(business_days_between({2026, 12, 25}, {2027, 1, 8}, office, false), 6);
    EXPECT_EQ(business_days_between({2027, 1, 8}, {2026, 12, 25}, office, false), -6);
    EXPECT_EQ(business_days_between({2026, 12, 25}, {2027, 1, 8}, weekends_and_holidays, false), 9)
        << "12/28 to 12/31 and 1/4 to 1/8, 1/1 being 元日";
    EXPECT_EQ(business_days_between({2026, 12, 1}, {2026, 12, 8}, none, false), 7);
    EXPECT_EQ(business_days_between({2026, 12, 7}, {2026, 12, 7}, office, false), 0);
    // Monday the 7th counts only when the first day does; Sunday the 6th never.
    EXPECT_EQ(business_days_between({2026, 12, 7}, {2026, 12, 8}, office, true), 2);
    EXPECT_EQ(business_days_between({2026, 12, 8}, {2026, 12, 7}, office, true), -2);
    EXPECT_EQ(business_days_between({2026, 12, 6}, {2026, 12, 7}, office, true), 1);
    // Golden Week: 4/29 and 5/3 to 5/6 are off in 2026, the weekend too.
    EXPECT_EQ(business_days_between({2026, 4, 28}, {2026, 5, 7}, weekends_and_holidays, false), 3);
    EXPECT_EQ(business_days_between({2026, 4, 28}, {2026, 5, 7}, DaysOff{true, true, false, false}, false), 7);
}

TEST(BusinessDays, TheNthAfterOrBeforeNeverCountsTheStart) {
    EXPECT_EQ(ymd(date_after_by({2026, 12, 28}, 3, CountUnit::business_days, office)), std::tuple(2027, 1, 6));
    EXPECT_EQ(ymd(date_after_by({2026, 12, 28}, 3, CountUnit::business_days, weekends_and_holidays)),
              std::tuple(2026, 12, 31));
    EXPECT_EQ(ymd(date_after_by({2027, 1, 6}, -3, CountUnit::business_days, office)), std::tuple(2026, 12, 28));
    EXPECT_EQ(ymd(date_after_by({2026, 12, 27}, 0, CountUnit::business_days, office)), std::tuple(2026, 12, 27))
        << "0 is the start, though a Sunday";
    EXPECT_EQ(ymd(date_after_by({2026, 12, 26}, 1, CountUnit::business_days, none)), std::tuple(2026, 12, 27));
    EXPECT_FALSE(date_after_by({65535, 12, 31}, 1, CountUnit::business_days, none));
}

TEST(CalendarUnits, MonthsAndYearsKeepTheDayCutToTheMonthsEnd) {
    EXPECT_EQ(ymd(date_after_by({2027, 1, 31}, 1, CountUnit::months, office)), std::tuple(2027, 2, 28));
    EXPECT_EQ(ymd(date_after_by({2024, 2, 29}, 1, CountUnit::years, office)), std::tuple(2025, 2, 28));
    EXPECT_EQ(ymd(date_after_by({2024, 2, 29}, 4, CountUnit::years, office)), std::tuple(2028, 2, 29));
    EXPECT_EQ(ymd(date_after_by({2026, 3, 31}, -1, CountUnit::months, office)), std::tuple(2026, 2, 28));
    EXPECT_EQ(ymd(date_after_by({2026, 1, 15}, -13, CountUnit::months, office)), std::tuple(2024, 12, 15));
    EXPECT_EQ(ymd(date_after_by({2026, 12, 7}, 2, CountUnit::weeks, office)), std::tuple(2026, 12, 21));
    EXPECT_FALSE(date_after_by({1, 1, 15}, -1, CountUnit::months, office));
    EXPECT_FALSE(date_after_by({65535, 12, 1}, 1, CountUnit::months, office));
}

TEST(CalendarUnits, YearsMonthsAndDaysBetweenCountWholeYearsThenMonthsFromTheEarlierDate) {
    const struct { Date first, second; const char* text; } cases[] = {
        {{2000, 2, 29}, {2026, 12, 7}, "26年9か月8日"},
        {{2026, 12, 7}, {2000, 2, 29}, "－26年9か月8日"},
        {{2026, 12, 7}, {2026, 12, 7}, "0日"},
        {{2024, 2, 29}, {2025, 2, 28}, "1年"},
        {{2024, 2, 29}, {2025, 2, 27}, "11か月29日"},
        {{2026, 1, 31}, {2026, 2, 28}, "1か月"},
        {{2026, 1, 31}, {2026, 3, 1}, "1か月1日"},
        {{2025, 12, 31}, {2027, 1, 1}, "1年1日"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(years_months_days(c.first, c.second), c.text)
            << c.first.year << "/" << c.first.month << "/" << c.first.day;
    }
}

}  // namespace
}  // namespace quivra
