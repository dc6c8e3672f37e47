// Japan's holidays, against the dates the Cabinet Office has published.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/holidays.h"

namespace quivra {
namespace {

struct Known {
    Date date;
    const char* name;  // empty: no holiday that day
};

// Every rule's first and last year, each kind of substitute and of day
// between, the one-off days, and the years the law moved days.
const Known known[] = {
    {date(1948, 1, 1), ""}, {date(1948, 9, 23), "秋分の日"}, {date(1948, 11, 23), "勤労感謝の日"},
    {date(1949, 1, 1), "元日"}, {date(1949, 1, 15), "成人の日"}, {date(1949, 3, 21), "春分の日"}, {date(1949, 4, 29), "天皇誕生日"},
    {date(1959, 4, 10), "皇太子明仁親王の結婚の儀"}, {date(1960, 3, 20), "春分の日"}, {date(1951, 9, 24), "秋分の日"},
    {date(1965, 9, 15), ""}, {date(1966, 9, 15), "敬老の日"}, {date(1966, 10, 10), "体育の日"},
    {date(1966, 2, 11), ""}, {date(1967, 2, 11), "建国記念の日"},
    {date(1973, 2, 12), ""},  // 2/11 fell on a Sunday before substitutes began
    {date(1973, 4, 30), "振替休日"}, {date(1979, 9, 24), "秋分の日"},
    {date(1985, 5, 4), ""}, {date(1988, 5, 4), "国民の休日"}, {date(1988, 4, 29), "天皇誕生日"},
    {date(1989, 2, 24), "昭和天皇の大喪の礼"}, {date(1989, 4, 29), "みどりの日"}, {date(1989, 12, 23), "天皇誕生日"},
    {date(1990, 11, 12), "即位礼正殿の儀"}, {date(1993, 6, 9), "皇太子徳仁親王の結婚の儀"},
    {date(1995, 7, 20), ""}, {date(1996, 7, 20), "海の日"},
    {date(1998, 5, 4), "振替休日"},  // 5/3 on a Sunday: before 2007 the next day, not a day between
    {date(1999, 1, 15), "成人の日"}, {date(1999, 10, 11), "振替休日"},
    {date(2000, 1, 10), "成人の日"}, {date(2000, 1, 15), ""}, {date(2000, 10, 9), "体育の日"},
    {date(2002, 7, 20), "海の日"}, {date(2002, 9, 16), "振替休日"}, {date(2003, 7, 21), "海の日"}, {date(2003, 9, 15), "敬老の日"},
    {date(2006, 4, 29), "みどりの日"}, {date(2006, 5, 4), "国民の休日"},
    {date(2007, 4, 29), "昭和の日"}, {date(2007, 4, 30), "振替休日"}, {date(2007, 5, 4), "みどりの日"},
    {date(2008, 5, 6), "振替休日"},  // from 2007 past the holidays that follow the Sunday
    {date(2009, 9, 22), "国民の休日"}, {date(2015, 9, 22), "国民の休日"},
    {date(2015, 8, 11), ""}, {date(2016, 8, 11), "山の日"}, {date(2018, 12, 24), "振替休日"},
    {date(2019, 4, 30), "国民の休日"}, {date(2019, 5, 1), "天皇の即位の日"}, {date(2019, 5, 2), "国民の休日"},
    {date(2019, 5, 6), "振替休日"}, {date(2019, 8, 12), "振替休日"}, {date(2019, 10, 14), "体育の日"},
    {date(2019, 10, 22), "即位礼正殿の儀"}, {date(2019, 12, 23), ""},
    {date(2020, 2, 24), "振替休日"}, {date(2020, 7, 20), ""}, {date(2020, 7, 23), "海の日"}, {date(2020, 7, 24), "スポーツの日"},
    {date(2020, 8, 10), "山の日"}, {date(2020, 8, 11), ""}, {date(2020, 10, 12), ""},
    {date(2021, 7, 22), "海の日"}, {date(2021, 7, 23), "スポーツの日"}, {date(2021, 8, 8), "山の日"}, {date(2021, 8, 9), "振替休日"},
    {date(2022, 7, 18), "海の日"}, {date(2022, 10, 10), "スポーツの日"},
    {date(2150, 1, 1), "元日"}, {date(2151, 1, 1), ""},
};

TEST(Holidays, EveryRuleInItsFirstAndLastYearAndEveryKindOfDayOff) {
    for (const Known& day : known)
        EXPECT_EQ(std::string(holiday_name(day.date)), day.name)
            << int(day.date.year()) << "/" << unsigned(day.date.month()) << "/" << unsigned(day.date.day());
}

TEST(Holidays, ThePublishedEquinoxDaysThrough2027AndPredictionsAfter) {
    const struct { int year, spring, autumn; } published[] = {
        {2019, 21, 23}, {2020, 20, 22}, {2021, 20, 23}, {2022, 21, 23}, {2023, 21, 23},
        {2024, 20, 22}, {2025, 20, 23}, {2026, 20, 23}, {2027, 21, 23},
    };
    for (const auto& year : published) {
        EXPECT_EQ(std::string(holiday_name(date(year.year, 3, year.spring))), "春分の日") << year.year;
        EXPECT_EQ(std::string(holiday_name(date(year.year, 9, year.autumn))), "秋分の日") << year.year;
    }
    auto equinox_predicted = [](int year) {
        for (const Holiday& h : holidays_of_year(year))
            if (std::string(h.name) == "春分の日") return h.predicted;
        return false;
    };
    EXPECT_FALSE(equinox_predicted(2027));
    EXPECT_TRUE(equinox_predicted(2028));
    for (const Holiday& h : holidays_of_year(2028))
        if (std::string(h.name) == "元日") {
            EXPECT_FALSE(h.predicted) << "only the equinox days are predicted";
        }
}

std::vector<std::string> listed(int year) {
    std::vector<std::string> lines;
    for (const Holiday& h : holidays_of_year(year))
        lines.push_back(std::to_string(unsigned(h.date.month())) + "/" + std::to_string(unsigned(h.date.day())) + " " + std::string(h.name));
    return lines;
}

TEST(Holidays, AYearsListInDateOrder) {
    EXPECT_EQ(listed(2026), (std::vector<std::string>{
        "1/1 元日", "1/12 成人の日", "2/11 建国記念の日", "2/23 天皇誕生日", "3/20 春分の日", "4/29 昭和の日",
        "5/3 憲法記念日", "5/4 みどりの日", "5/5 こどもの日", "5/6 振替休日", "7/20 海の日", "8/11 山の日",
        "9/21 敬老の日", "9/22 国民の休日", "9/23 秋分の日", "10/12 スポーツの日", "11/3 文化の日",
        "11/23 勤労感謝の日"}));
    EXPECT_EQ(listed(1948), (std::vector<std::string>{"9/23 秋分の日", "11/3 文化の日", "11/23 勤労感謝の日"}));
    EXPECT_TRUE(listed(1947).empty());
    EXPECT_TRUE(listed(2151).empty());
}

TEST(Holidays, AMonthsDayStateSetsTheBitOfEachHoliday) {
    EXPECT_EQ(holiday_bits(2026, 5), (1u << 2) | (1u << 3) | (1u << 4) | (1u << 5));
    EXPECT_EQ(holiday_bits(2026, 6), 0u);
    EXPECT_EQ(holiday_bits(1947, 1), 0u);
}

}  // namespace
}  // namespace quivra
