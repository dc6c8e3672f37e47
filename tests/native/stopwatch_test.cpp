#include "tools/time/stopwatch.h"

#include <gtest/gtest.h>

namespace quivra {
namespace {

TEST(Stopwatch, ElapsedTextChangesFormAtTheMinuteAndTheHour) {
    EXPECT_EQ(elapsed_text(0), "0.0秒");
    EXPECT_EQ(elapsed_text(1), "0.1秒");
    EXPECT_EQ(elapsed_text(599), "59.9秒");
    EXPECT_EQ(elapsed_text(600), "1分 0.0秒");
    EXPECT_EQ(elapsed_text(35999), "59分 59.9秒");
    EXPECT_EQ(elapsed_text(36000), "1時間 0分 0.0秒");
    EXPECT_EQ(elapsed_text(36000LL * 1000 + 601), "1000時間 1分 0.1秒") << "the hours have no bound";
    EXPECT_EQ(start_time_text(9, 5, 3), "9時5分3秒");
    EXPECT_EQ(start_time_text(0, 0, 0), "0時0分0秒");
}

TEST(Stopwatch, ReadsTheClockTruncatedToTenthsAndKeepsTheReadingOfItsStop) {
    Stopwatch watch;
    watch.start(5'000);
    EXPECT_TRUE(watch.running());
    EXPECT_EQ(watch.reading(5'099), "0.0秒");
    EXPECT_EQ(watch.reading(5'100), "0.1秒");
    // However few ticks arrived in between, the reading is the clock's.
    EXPECT_EQ(watch.reading(5'000 + 3'600'000), "1時間 0分 0.0秒");
    watch.stop(15'049);
    EXPECT_FALSE(watch.running());
    EXPECT_EQ(watch.reading(99'999), "10.0秒");
    watch.stop(20'000);
    EXPECT_EQ(watch.reading(99'999), "10.0秒") << "a second stop changes nothing";
    watch.start(30'000);
    EXPECT_EQ(watch.reading(30'050), "0.0秒") << "every start begins at zero";
}

}  // namespace
}  // namespace quivra
