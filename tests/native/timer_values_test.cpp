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
    EXPECT_EQ(cut_to_bytes(repeated("あ", 64), alarm_max_bytes), repeated("あ", 63))
        << "the 64th character would need bytes 127 and 128";
    std::string message = repeated("あ", 127) + "x";
    EXPECT_EQ(cut_to_bytes(message + "y", tmsg_max_bytes), message);
    EXPECT_EQ(cut_to_bytes(repeated("ｱ", 300), tmsg_max_bytes), repeated("ｱ", 255))
        << "half-width katakana take one byte each";
}

}  // namespace
}  // namespace quivra
