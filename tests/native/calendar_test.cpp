#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "tools/time/calendar.h"
#include "tools/time/date_text.h"

namespace quivra {
namespace {

std::string text_of(const std::optional<Date>& date) {
    return date ? format_result_date(*date) : "refused";
}

const char* weekday_name_of(const std::optional<Date>& date) {
    const std::optional<int> index = date ? weekday_index(*date) : std::nullopt;
    return weekday_name(index.value_or(7));
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
    EXPECT_TRUE(is_valid_date({2004, 8, 31}));
    EXPECT_TRUE(is_valid_date({65535, 12, 31}));
    for (const Date& date : {Date{1900, 2, 29}, Date{2001, 2, 29}, Date{2004, 4, 31}, Date{2004, 9, 31},
                             Date{0, 1, 1}, Date{2004, 0, 1}, Date{2004, 13, 1}, Date{2004, 1, 0},
                             Date{65536, 1, 1}}) {
        EXPECT_FALSE(is_valid_date(date)) << format_result_date(date);
    }
}

TEST(Calendar, KnownDayNumbersAndWeekdays) {
    EXPECT_EQ(day_number({1, 1, 1}), 1);
    EXPECT_STREQ(weekday_name_of(Date{1, 1, 1}), "月");
    EXPECT_EQ(day_number({2004, 1, 1}), 731581);
    EXPECT_STREQ(weekday_name_of(Date{2004, 1, 1}), "木");
    EXPECT_EQ(day_number({2000, 3, 1}) - day_number({1999, 12, 31}), 61);
    EXPECT_EQ(weekday_index({2004, 13, 1}), std::nullopt);
    EXPECT_STREQ(weekday_name_of(Date{2004, 13, 1}), "？");
}

TEST(Calendar, AddsDaysAcrossMonthAndYearEnds) {
    EXPECT_EQ(text_of(add_days({2003, 12, 31}, 1)), "2004/ 1/ 1");
    EXPECT_EQ(text_of(add_days({1903, 12, 31}, 1)), "1904/ 1/ 1");
    EXPECT_EQ(text_of(add_days({2100, 2, 28}, 1)), "2100/ 3/ 1");
    EXPECT_EQ(text_of(add_days({2004, 3, 1}, -1)), "2004/ 2/29");

    const std::optional<Date> unchanged = add_days({2004, 12, 31}, 0);
    EXPECT_EQ(text_of(unchanged), "2004/12/31");
    EXPECT_STREQ(weekday_name_of(unchanged), "金");

    const std::optional<Date> far_back = add_days({2004, 1, 1}, -9999);
    EXPECT_EQ(text_of(far_back), "1976/ 8/16");
    EXPECT_STREQ(weekday_name_of(far_back), "月");
}

TEST(Calendar, RefusesMissingDatesAndResultsOutsideTheYearRange) {
    EXPECT_EQ(text_of(add_days({2001, 2, 29}, 1)), "refused");
    EXPECT_EQ(text_of(add_days({1, 1, 1}, -1)), "refused");
    EXPECT_EQ(text_of(add_days({65535, 12, 31}, 1)), "refused");
    EXPECT_EQ(text_of(add_days({65535, 12, 31}, 0)), "65535/12/31");
    EXPECT_EQ(text_of(add_days({2004, 1, 1}, INT32_MAX)), "refused");
    EXPECT_EQ(text_of(add_days({2004, 1, 1}, INT32_MIN)), "refused");
}

TEST(Calendar, EveryDayNumberMapsToTheNextDateWithTheRightWeekday) {
    const std::int32_t last = day_number({65535, 12, 31});
    Date previous{0, 12, 31};
    std::int32_t first_failure = 0;
    for (std::int32_t number = 1; number <= last && first_failure == 0; ++number) {
        const std::optional<Date> date = add_days({1, 1, 1}, number - 1);
        // A weekday is only given for a date that exists.
        if (!date || weekday_index(*date) != weekday_by_rule(*date) || day_number(*date) != number ||
            !is_next_day(previous, *date)) {
            first_failure = number;
        } else {
            previous = *date;
        }
    }
    EXPECT_EQ(first_failure, 0);
    EXPECT_EQ(format_result_date(previous), "65535/12/31");
}

TEST(DateText, WeekdayNamesFallBackToUnknown) {
    EXPECT_STREQ(weekday_name(0), "日");
    EXPECT_STREQ(weekday_name(6), "土");
    for (int index : {7, -1, 8}) EXPECT_STREQ(weekday_name(index), "？") << index;
}

}  // namespace
}  // namespace quivra
