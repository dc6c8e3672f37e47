// The duration calculator's chain: keys in, what to show and do out (CP932).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quivra {

// Digits first, so that Key(d) is the digit d.
enum class Key {
    digit_0, digit_1, digit_2, digit_3, digit_4, digit_5, digit_6, digit_7, digit_8, digit_9,
    clear_entry, all_clear, times, divide, plus, minus, equals, hours, minutes, seconds, sign,
};

// What the window does besides showing the display.
// What a key did: carried out, refused with a beep, or overflowed; an
// operator on an empty entry only changes the pending operator.
enum class Effect { none, beep, overflow_report, operator_changed };

inline constexpr const char* overflow_message =
    "ごめんなさい！\n時間の値が大きすぎて計算できません。\nクリアしてやり直して下さい。";

// Every operand and result stays within this many seconds either way.
inline constexpr std::int32_t duration_limit = 400'000'000;

struct CalculatorDisplay {
    std::string result_line;
    std::string operator_box;
    std::string entry_line;
    std::string status;
};

class TimeCalculator {
public:
    // The status line shows the overflow code already; the window puts up
    // the report before it shows the display.
    Effect press(Key key);
    CalculatorDisplay display() const;

private:
    Effect press_digit(int digit);
    Effect press_unit(Key unit);
    Effect press_operator(Key key);
    void clear_entry();
    Effect refuse(const char* status);
    Effect overflow();

    std::string entry_;
    std::optional<Key> pending_;
    std::int32_t accumulator_ = 0;
    std::string result_line_;
    std::string status_;
    bool digit_in_field_ = false;
    bool hours_entered_ = false;
    bool minutes_entered_ = false;
    bool seconds_entered_ = false;
    // One for the whole run, shared by every calculator: ＡＣ leaves it, a
    // window opened again shows it, and a division by zero shows it unchanged.
    inline static std::int32_t last_remainder_ = 0;
};

// Seconds of an entry such as "-1時間30分"; empty when a field has more
// than five digits or the value passes the limit.
std::optional<std::int32_t> read_entry(const std::string& entry);

// "1時間0分5秒", "-1分30秒", "0秒": no field zero-filled.
std::string duration_text(std::int32_t seconds);

}  // namespace quivra
