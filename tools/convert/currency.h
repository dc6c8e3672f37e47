// The currency converter's answers: every currency's worth of an amount.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quivra {

// In table order; the row is also the drop-down index, the stored currency and the
// index of its rate.
extern const std::array<const char*, 16> currency_names;

inline constexpr std::uint32_t largest_amount = 99'999'999;

// One line per currency: `amount` units of currency `from_row` in that
// currency, truncated to the sen, at rates in hundredths of a yen.
std::vector<std::string> convert_to_every_currency(std::span<const std::int32_t> rates,
                                                   std::uint32_t amount, std::size_t from_row);

}  // namespace quivra
