#include "tools/time/countdown.h"

#include <gtest/gtest.h>

namespace quivra {
namespace {

TEST(Countdown, StatusTextChangesFormAtTheHourAndTheMinute) {
    EXPECT_EQ(status_text(3661), "タイマー作動中....あと 1時間 1分 1秒後です。");
    EXPECT_EQ(status_text(3600), "タイマー作動中....あと 1時間 0分 0秒後です。");
    EXPECT_EQ(status_text(3599), "タイマー作動中....あと 59分 59秒後です。");
    EXPECT_EQ(status_text(60), "タイマー作動中....あと 1分 0秒後です。");
    EXPECT_EQ(status_text(59), "タイマー作動中....あと 59秒後です。");
    EXPECT_EQ(status_text(1), "タイマー作動中....あと 1秒後です。");
}

TEST(Countdown, TimeLeftComesFromTheClockWhenTicksAreLostOrMerged) {
    Countdown countdown;
    constexpr std::uint64_t start = 7'000'000;
    countdown.start(60'000, start);
    EXPECT_TRUE(countdown.running());
    EXPECT_EQ(countdown.seconds_left(start), 60);
    EXPECT_EQ(countdown.ms_to_next_second(start), 1000);
    EXPECT_EQ(countdown.seconds_left(start + 999), 60) << "a tick a moment early";
    EXPECT_EQ(countdown.ms_to_next_second(start + 999), 1) << "and the next comes at once";
    EXPECT_EQ(countdown.seconds_left(start + 1'000), 59);
    EXPECT_EQ(countdown.seconds_left(start + 45'500), 15) << "forty ticks merged into one";
    EXPECT_EQ(countdown.ms_to_next_second(start + 45'500), 500);
    EXPECT_EQ(countdown.seconds_left(start + 59'999), 1);
    EXPECT_EQ(countdown.seconds_left(start + 60'000), 0) << "up on the dot";
    EXPECT_EQ(countdown.ms_to_next_second(start + 60'000), 0);
    EXPECT_EQ(countdown.seconds_left(start + 3'600'000), 0) << "a machine woken from sleep";
    countdown.stop();
    EXPECT_FALSE(countdown.running());

    countdown.start(0, start);
    EXPECT_EQ(countdown.seconds_left(start), 0) << "zero hours is up at once";
}

TEST(Countdown, ATimeOfDayMustLieTenSecondsAheadTodayAndFallsOnItsSecond) {
    ClockTime noon{12, 0, 0, 0};
    EXPECT_EQ(countdown_to({12, 0, 10}, noon), 10'000);
    EXPECT_EQ(countdown_to({12, 0, 9}, noon), std::nullopt);
    EXPECT_EQ(countdown_to({11, 59, 59}, noon), std::nullopt) << "earlier today";
    EXPECT_EQ(countdown_to({23, 59, 59}, {0, 0, 0}), 86'399'000);
    EXPECT_EQ(countdown_to({0, 0, 30}, {23, 59, 50}), std::nullopt) << "no wrap to tomorrow";
    EXPECT_EQ(countdown_to({13, 0, 0}, {12, 0, 0, 400}), 3'599'600)
        << "counted from the start of now's second";
}

}  // namespace
}  // namespace quivra
