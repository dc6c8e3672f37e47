// The world clock's report: hours across the day boundaries, summer time, the line layout.
#include "tools/time/world_clock.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace quivra {
namespace {

constexpr std::int64_t tokyo = 0, sydney = 11, wellington = 12, london = 23;

// What follows the name's 30 bytes and its tab.
std::string time_part(const std::string& line) { return line.substr(31); }

TEST(WorldClock, EveryPairOfCitiesAtTheDayBoundaries) {
    const struct { int n; std::string shown; } boundaries[] = {
        {-1, "23時 5分 前日"}, {0, " 0時 5分 "}, {24, "24時 5分 "}, {25, " 1時 5分 翌日"}};
    for (std::size_t s = 0; s < city_count; ++s) {
        for (std::size_t i = 0; i < city_count; ++i) {
            int difference = cities[i].hours_from_japan - cities[s].hours_from_japan;
            for (const auto& b : boundaries) {
                int hour = b.n - difference;
                if (hour < 0 || hour > 23) continue;
                EXPECT_EQ(time_part(world_times(std::int64_t(s), hour, 5, false)[i]), b.shown)
                    << cities[i].name << " when it is " << hour << " at " << cities[s].name;
            }
        }
    }
}

TEST(WorldClock, KeepsTwentyFourAndSummerTimeMovesEveryRowTheChosenOneIncluded) {
    auto late = world_times(tokyo, 23, 30, false);
    EXPECT_EQ(late[sydney], "シドニー(オーストラリア)      \t24時30分 ");
    EXPECT_EQ(late[wellington], "ウェリントン(ニュージーランド)\t 2時30分 翌日");
    auto summer = world_times(london, 12, 0, true);
    EXPECT_EQ(time_part(world_times(london, 12, 0, false)[tokyo]), "21時 0分 ");
    EXPECT_EQ(time_part(summer[tokyo]), "22時 0分 ");
    EXPECT_EQ(time_part(summer[london]), "13時 0分 ");
    EXPECT_EQ(time_part(world_times(wellington, 23, 59, true)[wellington]), "24時59分 ");
}

TEST(WorldClock, AChoiceOutsideTheTableReportsForTheFirstRow) {
    const auto first = world_times(tokyo, 9, 0, false);
    for (std::int64_t stored : {std::int64_t(-1), std::int64_t(city_count), std::int64_t(INT_MIN)}) {
        EXPECT_EQ(city_row(stored), 0u);
        EXPECT_EQ(world_times(stored, 9, 0, false), first) << stored;
    }
    EXPECT_EQ(city_row(std::int64_t(city_count) - 1), city_count - 1);
}

}  // namespace
}  // namespace quivra
