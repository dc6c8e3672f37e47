// The time-of-day formats at day boundaries and at the ends of the fields.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tools/time/time_of_day.h"

namespace quivra {
namespace {

constexpr std::int32_t at(std::int32_t h, std::int32_t m, std::int32_t s) { return h * 3600 + m * 60 + s; }

// The offset as the window shows it, with the field that is left empty.
std::string offset(std::int32_t start, int sign, std::int32_t hours, std::int32_t minutes) {
    OffsetTime result = offset_time(start, sign * (hours * 60 + minutes) * 60);
    EXPECT_TRUE(result.same_day.empty() != result.other_day.empty());
    return result.same_day.empty() ? "other: " + result.other_day : "same: " + result.same_day;
}

TEST(TimeOfDay, ConversionPadsEachFieldToTwoPlaces) {
    ConvertedTime zero = convert_time(0, 0, 0);
    EXPECT_EQ(zero.hours_minutes_seconds, " 0時間 0分 0秒");
    EXPECT_EQ(zero.minutes_seconds, "0分 0秒（0秒）");
    ConvertedTime most = convert_time(999, 999, 999);
    EXPECT_EQ(most.hours_minutes_seconds, "1015時間55分39秒");
    EXPECT_EQ(most.minutes_seconds, "60955分39秒（3657339秒）");
}

TEST(TimeOfDay, SpanIsSignedAndNeverWrapsPastMidnight) {
    EXPECT_EQ(time_span(at(9, 0, 0), at(17, 30, 15)), " 8時間30分15秒");
    EXPECT_EQ(time_span(at(17, 30, 15), at(9, 0, 0)), "- 8時間30分15秒");
    EXPECT_EQ(time_span(at(23, 0, 0), at(1, 0, 0)), "-22時間 0分 0秒");
}

TEST(TimeOfDay, OffsetNamesTheDayItFallsOn) {
    EXPECT_EQ(offset(at(23, 30, 0), +1, 1, 0), "other: 翌日の0時30分0秒");
    EXPECT_EQ(offset(at(23, 0, 0), +1, 0, 59), "same: 23時59分0秒");
    EXPECT_EQ(offset(at(0, 10, 0), -1, 0, 20), "other: 前日の23時50分0秒");
    EXPECT_EQ(offset(at(0, 0, 0), -1, 0, 0), "same: 0時0分0秒");
    EXPECT_EQ(offset(at(0, 0, 0), -1, 24, 0), "other: 前日の0時0分0秒");
    EXPECT_EQ(offset(at(23, 59, 59), +1, 99, 99), "other: ５日後の4時38分59秒");
    EXPECT_EQ(offset(at(0, 0, 0), -1, 99, 99), "other: ５日前の19時21分0秒");
    EXPECT_EQ(offset(at(0, 0, 1), -1, 96, 0), "other: ４日前の0時0分1秒");
}

}  // namespace
}  // namespace quivra
