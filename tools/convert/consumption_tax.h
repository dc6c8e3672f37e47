// The consumption-tax calculator's two lines, as its window shows them (CP932).
#pragma once

#include <cstdint>
#include <string>

namespace quivra {

inline constexpr std::int32_t largest_price = 99'999'999;
inline constexpr std::int32_t largest_rate = 99;

enum class TaxMode { included, added };

struct TaxLines {
    std::string amount;  // the price without tax, or the total
    std::string tax;
};

// Decimal digits with a comma between groups of three: 1000 is "1,000".
std::string grouped_digits(std::int32_t value);

// Price and rate as read from fields that hold 0..largest_price and
// 0..largest_rate; within them nothing divides by zero or overflows.
TaxLines calculate_tax(std::int32_t price, std::int32_t rate, TaxMode mode);

// The rate a stored tax_ritu shows in the field: itself, or 0 when the
// field could not hold it.
std::int32_t rate_to_show(std::int32_t stored);

}  // namespace quivra
