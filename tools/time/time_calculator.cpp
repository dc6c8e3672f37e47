// The duration calculator: what each key does to the chain, and how durations read and show.
#include "tools/time/time_calculator.h"

#include <cstdio>
#include <cstdlib>

namespace quivra {
namespace {

constexpr const char* number_expected = "数値を入力して下さい";
constexpr const char* operator_expected = "演算子を入力して下さい";
constexpr const char* clear_first = "ＣＥかＡＣでクリアして下さい";
constexpr const char* entry_full = "入力できるのは最大２４桁までです";
constexpr const char* five_digits_each = "数値はそれぞれ最大５桁まで入力できます";

constexpr const char* hours_word = "時間";
constexpr const char* minutes_word = "分";
constexpr const char* seconds_word = "秒";

// In Shift-JIS bytes: a unit word counts two per character.
constexpr std::size_t entry_capacity = 24;
constexpr std::size_t field_digits = 5;

const char* symbol_of(std::optional<Key> key) {
    if (!key) return "";
    switch (*key) {
    case Key::times: return "×";
    case Key::divide: return "÷";
    case Key::plus: return "＋";
    case Key::minus: return "－";
    default: return "＝";
    }
}

bool within_limit(std::int64_t value) { return value >= -duration_limit && value <= duration_limit; }

// The field before `word`, if the text holds it; `rest` moves past it.
std::string_view take_field(std::string_view& rest, std::string_view word) {
    std::size_t at = rest.find(word);
    if (at == std::string_view::npos) return {};
    std::string_view field = rest.substr(0, at);
    rest.remove_prefix(at + word.size());
    return field;
}

std::optional<std::int64_t> field_value(std::string_view digits) {
    if (digits.size() > field_digits) return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

std::optional<std::int32_t> read_entry(const std::string& entry) {
    std::string_view rest = entry;
    bool negative = rest.starts_with('-');
    if (negative) rest.remove_prefix(1);
    std::string_view hours = take_field(rest, hours_word);
    std::string_view minutes = take_field(rest, minutes_word);
    std::string_view seconds = rest;
    if (std::size_t at = rest.find(seconds_word); at != std::string_view::npos)
        seconds = rest.substr(0, at);
    auto h = field_value(hours), m = field_value(minutes), s = field_value(seconds);
    if (!h || !m || !s) return std::nullopt;
    std::int64_t value = *h * 3600 + *m * 60 + *s;
    if (negative) value = -value;
    if (!within_limit(value)) return std::nullopt;
    return std::int32_t(value);
}

std::string duration_text(std::int32_t seconds) {
    const char* prefix = seconds < 0 ? "-" : "";
    long long v = std::llabs(seconds);  // wide enough for the most negative value
    char text[64];
    if (v < 60) std::snprintf(text, sizeof text, "%s%lld秒", prefix, v);
    else if (v < 3600) std::snprintf(text, sizeof text, "%s%lld分%lld秒", prefix, v / 60, v % 60);
    else
        std::snprintf(text, sizeof text, "%s%lld時間%lld分%lld秒", prefix, v / 3600, v % 3600 / 60,
                      v % 60);
    return text;
}

CalculatorDisplay TimeCalculator::display() const {
    return {result_line_, symbol_of(pending_), entry_, status_};
}

Effect TimeCalculator::press(Key key) {
    switch (key) {
    case Key::clear_entry:
        clear_entry();
        return Effect::none;
    case Key::all_clear:
        clear_entry();
        pending_.reset();
        accumulator_ = 0;
        result_line_.clear();
        status_.clear();
        return Effect::none;
    case Key::sign:
        if (entry_.starts_with('-')) entry_.erase(0, 1);
        else entry_.insert(0, 1, '-');
        return Effect::none;
    case Key::hours:
    case Key::minutes:
    case Key::seconds:
        return press_unit(key);
    case Key::times:
    case Key::divide:
    case Key::plus:
    case Key::minus:
    case Key::equals:
        return press_operator(key);
    default:
        return press_digit(int(key));
    }
}

Effect TimeCalculator::press_digit(int digit) {
    if (pending_ == Key::equals) return refuse(operator_expected);
    if (entry_.size() >= entry_capacity) return refuse(seconds_entered_ ? number_expected : entry_full);
    if (seconds_entered_) return refuse(number_expected);
    // A number never starts with 0, so a zero operand cannot be keyed.
    if (digit == 0 && !digit_in_field_) return refuse(number_expected);
    entry_ += char('0' + digit);
    if (digit != 0) {
        digit_in_field_ = true;
        status_ = five_digits_each;
    }
    return Effect::none;
}

Effect TimeCalculator::press_unit(Key unit) {
    bool used = unit == Key::hours     ? hours_entered_
                : unit == Key::minutes ? minutes_entered_
                                       : seconds_entered_;
    if (used || !digit_in_field_) return refuse(number_expected);
    // A later unit marks the earlier ones, so units come in order.
    hours_entered_ = true;
    if (unit == Key::hours) {
        entry_ += hours_word;
    } else {
        minutes_entered_ = true;
        if (unit == Key::minutes) {
            entry_ += minutes_word;
        } else {
            seconds_entered_ = true;
            entry_ += seconds_word;
        }
    }
    digit_in_field_ = false;
    return Effect::none;
}

Effect TimeCalculator::press_operator(Key key) {
    status_.clear();
    if (!entry_.empty()) {
        std::optional<std::int32_t> operand = read_entry(entry_);
        if (!operand) return overflow();
        if (!pending_) {
            accumulator_ = *operand;
            result_line_ = entry_;
        } else {
            std::int64_t a = accumulator_, b = *operand, result = a;
            switch (*pending_) {
            case Key::times: result = a * b; break;
            case Key::plus: result = a + b; break;
            case Key::minus: result = a - b; break;
            case Key::divide:
                if (b != 0) {
                    result = a / b;
                    last_remainder_ = std::int32_t(a % b);
                } else {
                    result = 0;
                }
                break;
            default: break;  // ＝ pending: the operand was only a sign
            }
            if (!within_limit(result)) return overflow();
            accumulator_ = std::int32_t(result);
            result_line_ = duration_text(accumulator_);
            if (pending_ == Key::divide) {
                char text[48];
                std::snprintf(text, sizeof text, "余りは....%d 秒です。", int(last_remainder_));
                status_ = text;
            }
        }
        clear_entry();
        pending_ = key;
        return Effect::none;
    }
    pending_ = key;
    return Effect::operator_changed;
}

void TimeCalculator::clear_entry() {
    entry_.clear();
    digit_in_field_ = hours_entered_ = minutes_entered_ = seconds_entered_ = false;
}

Effect TimeCalculator::refuse(const char* status) {
    status_ = status;
    return Effect::beep;
}

Effect TimeCalculator::overflow() {
    status_ = clear_first;
    return Effect::overflow_report;
}

}  // namespace quivra
