// The stopwatch and the timer: texts at their boundaries, time from the clock, values cut to bytes.
#include <gtest/gtest.h>

#include <string>

#include "base/settings.h"
#include "tools/time/countdown.h"
#include "tools/time/stopwatch.h"
#include "tools/time/timer_values.h"

namespace quivra {
namespace {

TEST(CountingTexts, ChangeFormAtTheMinuteAndTheHour) {
    EXPECT_EQ(elapsed_text(599), "59.9秒");
    EXPECT_EQ(elapsed_text(600), "1分 0.0秒");
    EXPECT_EQ(elapsed_text(36000), "1時間 0分 0.0秒");
    EXPECT_EQ(elapsed_text(36000LL * 1000 + 601), "1000時間 1分 0.1秒") << "the hours have no bound";
    EXPECT_EQ(status_text(3661), "タイマー作動中....あと 1時間 1分 1秒後です。");
    EXPECT_EQ(status_text(60), "タイマー作動中....あと 1分 0秒後です。");
    EXPECT_EQ(status_text(59), "タイマー作動中....あと 59秒後です。");
}

TEST(Stopwatch, ReadsTheClockInTenthsAndKeepsTheReadingOfItsStop) {
    Stopwatch watch;
    watch.start(5'000);
    EXPECT_EQ(watch.reading(5'099), "0.0秒");
    watch.stop(15'049);
    EXPECT_EQ(watch.reading(99'999), "10.0秒");
    watch.start(30'000);
    EXPECT_EQ(watch.reading(30'050), "0.0秒") << "every start begins at zero";
}

TEST(Countdown, TimeLeftComesFromTheClockWhenTicksAreLostOrMerged) {
    Countdown countdown;
    constexpr std::uint64_t start = 7'000'000;
    countdown.start(60'000, start);
    EXPECT_EQ(countdown.seconds_left(start + 999), 60) << "a tick a moment early";
    EXPECT_EQ(countdown.ms_to_next_second(start + 999), 1) << "is followed at once";
    EXPECT_EQ(countdown.seconds_left(start + 45'500), 15) << "forty ticks merged into one";
    EXPECT_EQ(countdown.seconds_left(start + 59'999), 1);
    EXPECT_EQ(countdown.seconds_left(start + 60'000), 0) << "up on the dot";
    EXPECT_EQ(countdown.seconds_left(start + 3'600'000), 0) << "after a sleep";
}

TEST(Countdown, ATimeOfDayMustLieTenSecondsAheadTodayAndFallsOnItsSecond) {
    ClockTime noon{12, 0, 0, 0};
    EXPECT_EQ(countdown_to({12, 0, 10}, noon), 10'000);
    EXPECT_EQ(countdown_to({12, 0, 9}, noon), std::nullopt);
    EXPECT_EQ(countdown_to({0, 0, 30}, {23, 59, 50}), std::nullopt) << "no wrap to tomorrow";
    EXPECT_EQ(countdown_to({13, 0, 0}, {12, 0, 0, 400}), 3'599'600);
}

TEST(TimerValues, TextIsCutToItsBytesWhereACharacterEnds) {
    auto repeated = [](const std::string& piece, std::size_t times) {
        std::string text;
        while (times--) text += piece;
        return text;
    };
    EXPECT_EQ(cut_to_bytes(repeated("あ", 64), alarm_max_bytes), repeated("あ", 63))
        << "the 64th character would need bytes 127 and 128";
    EXPECT_EQ(cut_to_bytes(repeated("あ", 127) + "xy", tmsg_max_bytes), repeated("あ", 127) + "x");
    EXPECT_EQ(cut_to_bytes(repeated("ｱ", 300), tmsg_max_bytes), repeated("ｱ", 255))
        << "half-width katakana take one byte each";
}

}  // namespace
}  // namespace quivra
