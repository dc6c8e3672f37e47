#include "tools/time/timer_values.h"

#include <string>

#include <gtest/gtest.h>

#include "base/settings.h"

namespace quivra {
namespace {

std::string repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

TEST(TimerValues, TextIsCutToItsBytesWhereACharacterEnds) {
    EXPECT_EQ(cut_to_bytes(std::string(130, 'a'), alarm_max_bytes), std::string(127, 'a'));
    EXPECT_EQ(cut_to_bytes(repeated("あ", 64), alarm_max_bytes), repeated("あ", 63))
        << "the 64th character would need bytes 127 and 128";
    std::string whole = "a";
    whole += repeated("あ", 63);
    EXPECT_EQ(cut_to_bytes(whole, alarm_max_bytes), whole);
    std::string message = repeated("あ", 127) + "x";
    ASSERT_EQ(message.size(), tmsg_max_bytes);
    EXPECT_EQ(cut_to_bytes(message, tmsg_max_bytes), message);
    EXPECT_EQ(cut_to_bytes(message + "y", tmsg_max_bytes), message);
    EXPECT_EQ(cut_to_bytes(repeated("ｱ", 300), tmsg_max_bytes), repeated("ｱ", 255))
        << "half-width katakana take one byte each";
    EXPECT_EQ(cut_to_bytes("a\x82", 10), "a\x82") << "a stray lead byte at the end is kept, not read past";
}

TEST(TimerValues, AChosenPathIsRefusedRatherThanCutIntoAnother) {
    std::string fits = "C:\\" + std::string(120, 'a') + ".wav";
    ASSERT_EQ(fits.size(), alarm_max_bytes);
    EXPECT_TRUE(alarm_path_refusal(fits, true).empty());
    EXPECT_FALSE(alarm_path_refusal(fits + "x", true).empty());
    EXPECT_FALSE(alarm_path_refusal("C:\\b?ll.wav", false).empty());
    EXPECT_NE(alarm_path_refusal(fits + "x", true), alarm_path_refusal("C:\\b?ll.wav", false))
        << "each says what is wrong";
}

}  // namespace
}  // namespace quivra
