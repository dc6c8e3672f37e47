// Tax included in a price or added to it, to the truncated yen.
#include "tools/convert/consumption_tax.h"

#include <cstdio>

namespace quivra {
namespace {

std::string line(const char* lead, std::int32_t yen) {
    char text[64];
    std::snprintf(text, sizeof text, "%s%10s円です。", lead, grouped_digits(yen).c_str());
    return text;
}

}  // namespace

std::string grouped_digits(std::int32_t value) {
    std::string digits = std::to_string(value);
    std::size_t first_digit = digits[0] == '-' ? 1 : 0;
    for (std::size_t comma = digits.size(); comma > first_digit + 3;) {
        comma -= 3;
        digits.insert(comma, 1, ',');
    }
    return digits;
}

TaxLines calculate_tax(std::int32_t price, std::int32_t rate, TaxMode mode) {
    // Each step rounds to double; the multiplier is 0.01, not a division by 100.
    const double p = price;
    if (mode == TaxMode::included) {
        const double t = p * 100.0 / (rate + 100);
        auto base = std::int32_t(t);
        const auto tax = std::int32_t(rate * t * 0.01);
        // The tax is the truncated figure; the price without it takes the rest.
        if (base + tax != price) base = price - tax;
        return {line("本体価格は　　", base), line("消費税金額は　", tax)};
    }
    const auto total = std::int32_t((rate + 100) * p * 0.01);
    const auto tax = std::int32_t(rate * p * 0.01);
    return {line("トータル価格は", total), line("消費税金額は　", tax)};
}

std::int32_t rate_to_show(std::int32_t stored) {
    return stored >= 0 && stored <= largest_rate ? stored : 0;
}

}  // namespace quivra
