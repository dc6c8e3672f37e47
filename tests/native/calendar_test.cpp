#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "tools/time/calendar.h"
#include "tools/time/date_calculator.h"

namespace quivra {
namespace {

std::string text_of(const std::optional<Date>& date) {
    if (!date) return "refused";
    return std::to_string(date->year) + "-" + std::to_string(date->month) + "-" +
           std::to_string(date->day);
}

std::string shown(const Date& start, std::int32_t days) {
    DateAfter after = date_after(start, days);
    return after.date + " " + after.weekday;
}

// Sakamoto's rule, which owes nothing to day numbers.
int weekday_by_rule(const Date& date) {
    static constexpr int month_offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int year = date.year - (date.month < 3 ? 1 : 0);
    return (year + year / 4 - year / 100 + year / 400 + month_offsets[date.month - 1] + date.day) % 7;
}

bool is_next_day(const Date& before, const Date& after) {
    if (after.year == before.year && after.month == before.month) return after.day == before.day + 1;
    if (after.day != 1 || is_valid_date({before.year, before.month, before.day + 1})) return false;
    if (after.year == before.year) return after.month == before.month + 1;
    return after.year == before.year + 1 && after.month == 1 && before.month == 12;
}

TEST(Calendar, ValidatesLeapDaysMonthLengthsAndRanges) {
    EXPECT_TRUE(is_valid_date({2000, 2, 29}));
    EXPECT_TRUE(is_valid_date({65535, 12, 31}));
    for (const Date& date : {Date{1900, 2, 29}, Date{2001, 2, 29}, Date{2004, 4, 31}, Date{2004, 9, 31},
                             Date{0, 1, 1}, Date{2004, 0, 1}, Date{2004, 13, 1}, Date{2004, 1, 0},
                             Date{65536, 1, 1}}) {
        EXPECT_FALSE(is_valid_date(date)) << text_of(date);
    }
}

TEST(Calendar, KnownDayNumbersAndWeekdays) {
    EXPECT_EQ(day_number({1, 1, 1}), 1);
    EXPECT_EQ(shown({1, 1, 1}, 0), "   1/ 1/ 1 月");
    EXPECT_EQ(day_number({2004, 1, 1}), 731581);
    EXPECT_EQ(shown({2004, 1, 1}, 0), "2004/ 1/ 1 木");
    EXPECT_EQ(days_between({1999, 12, 31}, {2000, 3, 1}), 61);
    EXPECT_EQ(weekday_index({2004, 13, 1}), std::nullopt);
}

TEST(DateCalculator, AddsDaysAcrossMonthAndYearEnds) {
    EXPECT_EQ(shown({2003, 12, 31}, 1), "2004/ 1/ 1 木");
    EXPECT_EQ(shown({1903, 12, 31}, 1), "1904/ 1/ 1 金");
    EXPECT_EQ(shown({2100, 2, 28}, 1), "2100/ 3/ 1 月");
    EXPECT_EQ(shown({2004, 3, 1}, -1), "2004/ 2/29 日");
    EXPECT_EQ(shown({2004, 1, 1}, -9999), "1976/ 8/16 月");
}

TEST(DateCalculator, RefusesMissingDatesAndResultsOutsideTheYearRange) {
    EXPECT_EQ(shown({2001, 2, 29}, 1), " ？");
    EXPECT_EQ(shown({2004, 13, 1}, 0), " ？");
    EXPECT_EQ(shown({1, 1, 1}, -1), " ？");
    EXPECT_EQ(shown({65535, 12, 31}, 1), " ？");
    EXPECT_EQ(shown({65535, 12, 31}, 0), "65535/12/31 火");
    EXPECT_EQ(text_of(add_days({2004, 1, 1}, INT32_MAX)), "refused");
    EXPECT_EQ(text_of(add_days({2004, 1, 1}, INT32_MIN)), "refused");
}

// Every day natively; under Wine, where the same build's runtime is what
// is being checked, a sample keeps the run short.
#ifdef _WIN32
constexpr std::int32_t sweep_stride = 997;
#else
constexpr std::int32_t sweep_stride = 1;
#endif

TEST(Calendar, EveryDayNumberMapsToTheNextDateWithTheRightWeekday) {
    const std::int32_t last = day_number({65535, 12, 31});
    std::optional<Date> previous;
    std::int32_t first_failure = 0;
    for (std::int32_t number = 1; number <= last && first_failure == 0; number += sweep_stride) {
        const std::optional<Date> date = add_days({1, 1, 1}, number - 1);
        const std::optional<Date> before = add_days({1, 1, 1}, number - 2);
        if (number > 1 && before) previous = before;
        if (!date || weekday_index(*date) != weekday_by_rule(*date) || day_number(*date) != number ||
            (number > 1 && (!previous || !is_next_day(*previous, *date))))
            first_failure = number;
    }
    EXPECT_EQ(first_failure, 0);
    EXPECT_EQ(text_of(add_days({1, 1, 1}, last - 1)), "65535-12-31");
}

}  // namespace
}  // namespace quivra
