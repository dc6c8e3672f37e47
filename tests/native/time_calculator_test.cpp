#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tools/time/time_calculator.h"

namespace quivra {
namespace {

// Keys as the keyboard names them: digits, H M S, + - * / =, C (ＣＥ),
// A (ＡＣ), F (sign). Returns the effect of the last key.
Effect type(TimeCalculator& calculator, std::string_view keys) {
    Effect effect = Effect::none;
    for (char c : keys) {
        Key key = Key::all_clear;
        switch (c) {
        case 'H': key = Key::hours; break;
        case 'M': key = Key::minutes; break;
        case 'S': key = Key::seconds; break;
        case '+': key = Key::plus; break;
        case '-': key = Key::minus; break;
        case '*': key = Key::times; break;
        case '/': key = Key::divide; break;
        case '=': key = Key::equals; break;
        case 'C': key = Key::clear_entry; break;
        case 'F': key = Key::sign; break;
        case 'A': break;
        default: key = Key(c - '0');
        }
        effect = calculator.press(key);
    }
    return effect;
}

std::string result_after(std::string_view keys) {
    TimeCalculator calculator;
    EXPECT_EQ(type(calculator, keys), Effect::none) << keys;
    return calculator.display().result_line;
}

TEST(TimeCalculator, ChainsDurationsLikeADeskCalculator) {
    TimeCalculator calculator;
    type(calculator, "1H30");
    EXPECT_EQ(calculator.display().entry_line, "1時間30");
    type(calculator, "+");
    EXPECT_EQ(calculator.display().result_line, "1時間30") << "the first operand shows as keyed";
    EXPECT_EQ(calculator.display().operator_box, "＋");
    EXPECT_EQ(calculator.display().entry_line, "");
    type(calculator, "45M=");
    EXPECT_EQ(calculator.display().result_line, "1時間45分30秒");
    EXPECT_EQ(calculator.display().operator_box, "＝");
    type(calculator, "+10M=");
    EXPECT_EQ(calculator.display().result_line, "1時間55分30秒") << "＝ then an operator continues";

    EXPECT_EQ(result_after("90+="), "90");
    EXPECT_EQ(result_after("90*1="), "1分30秒");
    EXPECT_EQ(result_after("25M*12="), "5時間0分0秒");
    EXPECT_EQ(result_after("2H/30M="), "4秒") << "a duration divided by a duration";
    EXPECT_EQ(result_after("*5S="), "0秒") << "the accumulator starts at 0";
    EXPECT_EQ(result_after("-5S="), "-5秒");
    EXPECT_EQ(result_after("5+-3="), "2秒") << "a second operator replaces the first";
    EXPECT_EQ(result_after("1M-2M="), "-1分0秒");
}

TEST(TimeCalculator, TheSignKeyWorksOnAnyEntryWithoutLimit) {
    TimeCalculator calculator;
    type(calculator, "F");
    EXPECT_EQ(calculator.display().entry_line, "-");
    type(calculator, "FF1H30M");
    EXPECT_EQ(calculator.display().entry_line, "-1時間30分");
    EXPECT_EQ(read_entry("-"), 0);
    EXPECT_EQ(read_entry("-1時間30分"), -5400);
    EXPECT_EQ(read_entry("1時間30"), 3630);
    EXPECT_EQ(read_entry("1分2秒"), 62);

    EXPECT_EQ(result_after("5=F+3="), "8秒") << "a sign after ＝ leaves the result";
    EXPECT_EQ(result_after("F7/2="), "-3秒");
}

TEST(TimeCalculator, DivisionReportsItsRemainderForTheWholeRun) {
    TimeCalculator calculator;
    type(calculator, "100S/");
    EXPECT_EQ(calculator.display().status, "") << "no division carried out yet";
    type(calculator, "7=");
    EXPECT_EQ(calculator.display().result_line, "14秒");
    EXPECT_EQ(calculator.display().status, "余りは....2 秒です。");
    type(calculator, "AF7/2=");
    EXPECT_EQ(calculator.display().result_line, "-3秒");
    EXPECT_EQ(calculator.display().status, "余りは....-1 秒です。");
    type(calculator, "A6/3=");
    EXPECT_EQ(calculator.display().status, "余りは....0 秒です。");
    type(calculator, "A100/30=");
    EXPECT_EQ(calculator.display().status, "余りは....10 秒です。");
    type(calculator, "A9/F=");  // a lone sign is the only zero operand
    EXPECT_EQ(calculator.display().result_line, "0秒") << "division by zero is no error";
    EXPECT_EQ(calculator.display().status, "余りは....10 秒です。");
}

TEST(TimeCalculator, RefusedKeysOnlyBeepAndSayWhy) {
    struct Case {
        const char* keys;
        const char* status;
        const char* entry;
    } cases[] = {
        {"0", "数値を入力して下さい", ""},
        {"1H0", "数値を入力して下さい", "1時間"},
        {"H", "数値を入力して下さい", ""},
        {"5M1H", "数値を入力して下さい", "5分1"},
        {"5S1M", "数値を入力して下さい", "5秒"},
        {"5S1", "数値を入力して下さい", "5秒"},
        {"5H2H", "数値を入力して下さい", "5時間2"},
        {"5=1", "演算子を入力して下さい", ""},
        {"5=C1", "演算子を入力して下さい", ""},
        {"123456789012345678901234" "5", "入力できるのは最大２４桁までです",
         "123456789012345678901234"},
        {"12345678901234567890S" "1", "数値を入力して下さい", "12345678901234567890秒"},
        {"1234567890123456789012S" "1", "数値を入力して下さい", "1234567890123456789012秒"},
    };
    for (const Case& c : cases) {
        TimeCalculator calculator;
        EXPECT_EQ(type(calculator, c.keys), Effect::beep) << c.keys;
        EXPECT_EQ(calculator.display().status, c.status) << c.keys;
        EXPECT_EQ(calculator.display().entry_line, c.entry) << c.keys;
    }

    TimeCalculator calculator;
    EXPECT_EQ(type(calculator, "10"), Effect::none);
    EXPECT_EQ(calculator.display().entry_line, "10");
    EXPECT_EQ(calculator.display().status, "数値はそれぞれ最大５桁まで入力できます");
    EXPECT_EQ(type(calculator, "H0"), Effect::beep);
    type(calculator, "C");
    EXPECT_EQ(calculator.display().status, "数値を入力して下さい") << "ＣＥ leaves the status line";
    EXPECT_EQ(calculator.display().entry_line, "");
}

TEST(TimeCalculator, LongEntriesFailCleanlyIntoTheOverflowReport) {
    TimeCalculator calculator;
    type(calculator, "123456789012345678901234HFMS");
    EXPECT_EQ(calculator.display().entry_line, "-123456789012345678901234時間") << "units pass 24 bytes";
    EXPECT_EQ(type(calculator, "+"), Effect::overflow_report);
    EXPECT_EQ(calculator.display().status, "ＣＥかＡＣでクリアして下さい");
    EXPECT_EQ(read_entry("123456秒"), std::nullopt);
    EXPECT_EQ(read_entry("99999時間99999分99999秒"), 99999 * 3600 + 99999 * 60 + 99999);
}

TEST(TimeCalculator, LimitsHoldAtFourHundredMillionWithoutWrapping) {
    EXPECT_EQ(result_after("20000*20000="), "111111時間6分40秒");
    EXPECT_EQ(result_after("F20000*20000="), "-111111時間6分40秒");
    EXPECT_EQ(result_after("20000*20000-1="), "111111時間6分39秒");

    struct Case {
        const char* chain;
        const char* operand;
    } cases[] = {
        {"20000*20000=+", "1"},
        {"F20000*20000=-", "1"},
        {"99999H*", "2"},
        {"99999H*", "99999H"},  // wraps to a small number in 32 bits
        {"", "123456S"},
    };
    for (const Case& c : cases) {
        TimeCalculator calculator;
        type(calculator, c.chain);
        CalculatorDisplay before = calculator.display();
        type(calculator, c.operand);
        EXPECT_EQ(type(calculator, "="), Effect::overflow_report) << c.chain << c.operand;
        CalculatorDisplay after = calculator.display();
        EXPECT_EQ(after.status, "ＣＥかＡＣでクリアして下さい");
        EXPECT_EQ(after.result_line, before.result_line) << "the state stays for the user to clear";
        EXPECT_EQ(after.operator_box, before.operator_box);
        EXPECT_NE(after.entry_line, "");
        // ＣＥ and a smaller operand carry on from the same state.
        type(calculator, "CF1=");
        EXPECT_NE(calculator.display().result_line, before.result_line) << c.chain << c.operand;
    }
}

TEST(TimeCalculator, AllClearStartsOverButKeepsNothingElse) {
    TimeCalculator calculator;
    type(calculator, "5*3=A");
    EXPECT_EQ(calculator.display().result_line, "");
    EXPECT_EQ(calculator.display().operator_box, "");
    EXPECT_EQ(calculator.display().status, "");
    type(calculator, "7+");
    EXPECT_EQ(calculator.display().result_line, "7") << "digits are taken again after ＡＣ";
}

TEST(DurationText, NoFieldIsZeroFilled) {
    EXPECT_EQ(duration_text(0), "0秒");
    EXPECT_EQ(duration_text(59), "59秒");
    EXPECT_EQ(duration_text(60), "1分0秒");
    EXPECT_EQ(duration_text(-90), "-1分30秒");
    EXPECT_EQ(duration_text(3599), "59分59秒");
    EXPECT_EQ(duration_text(3605), "1時間0分5秒");
    EXPECT_EQ(duration_text(-duration_limit), "-111111時間6分40秒");
}

}  // namespace
}  // namespace quivra
