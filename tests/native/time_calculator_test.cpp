// The duration calculator engine through the keys as a user presses them.
#include "tools/time/time_calculator.h"

#include <gtest/gtest.h>

#include <string_view>

namespace quivra {
namespace {

// Keys by their mnemonics: digits, H M S, + - * / =, C (ＣＥ), A (ＡＣ),
// F (sign). Returns the effect of the last key.
Effect type(TimeCalculator& calculator, std::string_view keys) {
    static constexpr std::string_view others = "CA*/+-=HMSF";  // in the order of Key
    Effect effect = Effect::none;
    for (char c : keys) {
        std::size_t other = others.find(c);
        effect = calculator.press(other == std::string_view::npos ? Key(c - '0')
                                                                   : Key(int(Key::clear_entry) + int(other)));
    }
    return effect;
}

CalculatorDisplay after(std::string_view keys) {
    TimeCalculator calculator;
    type(calculator, keys);
    return calculator.display();
}

TEST(TimeCalculator, ChainsDurationsLikeADeskCalculatorAndKeepsTheLastRemainder) {
    const struct { const char* keys; const char* result; const char* status; } cases[] = {
        // The first operand shows as keyed; the accumulator starts at 0; a second operator
        // replaces the first; a sign after ＝ leaves the result; a lone sign reads as 0.
        {"1H30+", "1時間30", ""}, {"1H30+45M=", "1時間45分30秒", ""}, {"*5S=", "0秒", ""},
        {"5+-3=", "2秒", ""}, {"5=F+3=", "8秒", ""}, {"F90-F=", "-1分30秒", ""},
        {"F1H30M*1=", "-1時間30分0秒", ""}, {"5*3=A7+", "7", ""}, {"100S/", "100秒", ""},
        {"100S/7=", "14秒", "余りは....2 秒です。"},
        {"F7/2=", "-3秒", "余りは....-1 秒です。"},
        {"100/30=A9/F=", "0秒", "余りは....10 秒です。"},  // division by zero is no error
    };
    for (const auto& c : cases) {
        EXPECT_EQ(after(c.keys).result_line, c.result) << c.keys;
        EXPECT_EQ(after(c.keys).status, c.status) << c.keys;
    }
    EXPECT_EQ(after("F1H30M").entry_line, "-1時間30分");
    CalculatorDisplay cleared = after("5*3=A");
    EXPECT_EQ(cleared.result_line + cleared.operator_box + cleared.entry_line + cleared.status, "");
}

TEST(TimeCalculator, RefusedKeysOnlyBeepAndSayWhy) {
    const char* number = "数値を入力して下さい";
    const struct { const char* keys; const char* status; const char* entry; } cases[] = {
        {"1H0", number, "1時間"}, {"H", number, ""}, {"5M1H", number, "5分1"}, {"5S1M", number, "5秒"},
        {"5=C1", "演算子を入力して下さい", ""},
        {"1234567890123456789012341", "入力できるのは最大２４桁までです", "123456789012345678901234"},
        {"1234567890123456789012S1", number, "1234567890123456789012秒"},
    };
    for (const auto& c : cases) {
        TimeCalculator calculator;
        EXPECT_EQ(type(calculator, c.keys), Effect::beep) << c.keys;
        EXPECT_EQ(calculator.display().status, c.status) << c.keys;
        EXPECT_EQ(calculator.display().entry_line, c.entry) << c.keys;
    }
    EXPECT_EQ(after("10").status, "数値はそれぞれ最大５桁まで入力できます");
    EXPECT_EQ(after("0C").status, number) << "ＣＥ leaves the status line";
}

TEST(TimeCalculator, OverflowLeavesEverythingForTheUserToClear) {
    EXPECT_EQ(after("20000*20000=").result_line, "111111時間6分40秒") << "the limit itself";
    EXPECT_EQ(after("F20000*20000=").result_line, "-111111時間6分40秒");
    EXPECT_EQ(read_entry("99999時間99999分99999秒"), 99999 * 3600 + 99999 * 60 + 99999);
    const struct { const char* chain; const char* operand; } cases[] = {
        {"20000*20000=+", "1"}, {"F20000*20000=-", "1"}, {"99999H*", "2"},
        {"99999H*", "99999H"},  // wraps to a small number in 32 bits
        {"", "123456S"},
        {"", "123456789012345678901234HFMS"},  // units pass 24 bytes
    };
    for (const auto& c : cases) {
        TimeCalculator calculator;
        type(calculator, c.chain);
        CalculatorDisplay before = calculator.display();
        type(calculator, c.operand);
        EXPECT_EQ(type(calculator, "="), Effect::overflow_report) << c.chain << c.operand;
        CalculatorDisplay now = calculator.display();
        EXPECT_EQ(now.status, "ＣＥかＡＣでクリアして下さい");
        EXPECT_EQ(now.result_line + now.operator_box, before.result_line + before.operator_box);
        EXPECT_NE(now.entry_line, "");
        type(calculator, "CF1=");
        EXPECT_NE(calculator.display().result_line, before.result_line) << "ＣＥ and carry on";
    }
}

}  // namespace
}  // namespace quivra
