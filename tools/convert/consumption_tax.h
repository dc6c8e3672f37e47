// The consumption-tax calculator's two lines, as its window shows them (CP932).
#pragma once

#include <cstdint>
#include <string>

namespace quivra {

inline constexpr std::int32_t largest_price = 99'999'999;
inline constexpr std::int32_t largest_rate = 99;

enum class TaxMode { included, added };

// How fractions of a yen of tax go; the values are those kept in tarv.ini.
enum class TaxRounding { down = 0, half_up = 1, up = 2 };

// The rounding a stored value stands for: itself, or down when it names none.
TaxRounding rounding_from_stored(std::int32_t stored);

struct TaxLines {
    std::string amount;  // the price without tax, or the total
    std::string tax;
};

// Decimal digits with a comma between groups of three: 1000 is "1,000".
std::string grouped_digits(std::int32_t value);

// Price and rate as read from fields that hold 0..largest_price and
// 0..largest_rate; within them nothing divides by zero or overflows.
// The tax is rounded; the other line is the price less it, or plus it.
TaxLines calculate_tax(std::int32_t price, std::int32_t rate, TaxMode mode,
                       TaxRounding rounding = TaxRounding::down);

// The rate a stored value shows in the field: itself, or 0 when the
// field could not hold it.
std::int32_t rate_to_show(std::int32_t stored);

}  // namespace quivra
