// Tax included in a price or added to it, rounded to the yen as the user chose.
#include "tools/convert/consumption_tax.h"

#include <cstdio>

#include "base/stored_row.h"

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

TaxRounding rounding_from_stored(std::int32_t stored) {
    return stored == 1 ? TaxRounding::half_up : stored == 2 ? TaxRounding::up : TaxRounding::down;
}

TaxLines calculate_tax(std::int32_t price, std::int32_t rate, TaxMode mode, TaxRounding rounding) {
    // The tax is price × rate / 100 added, or price × rate / (100 + rate)
    // included, worked in whole numbers so that no .5 or whole yen is lost
    // to binary fractions.
    const std::int64_t numerator = std::int64_t(price) * rate;
    const std::int64_t denominator = mode == TaxMode::included ? 100 + rate : 100;
    std::int64_t tax = numerator / denominator;
    const std::int64_t remainder = numerator % denominator;
    if (rounding == TaxRounding::up && remainder > 0) ++tax;
    if (rounding == TaxRounding::half_up && 2 * remainder >= denominator) ++tax;
    if (mode == TaxMode::included)
        return {line("本体価格は　　", std::int32_t(price - tax)), line("消費税金額は　", std::int32_t(tax))};
    return {line("トータル価格は", std::int32_t(price + tax)), line("消費税金額は　", std::int32_t(tax))};
}

std::int32_t rate_to_show(std::int32_t stored) {
    return std::int32_t(stored_row(stored, std::size_t(largest_rate) + 1));
}

}  // namespace quivra
