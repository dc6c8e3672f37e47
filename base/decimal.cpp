// Saturating decimal reading.
#include "base/decimal.h"

#include <algorithm>

namespace quivra {

std::int64_t read_decimal(std::string_view text) {
    std::size_t i = std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size());
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Past this every further digit only pushes the value further out.
    constexpr std::int64_t cap = std::int64_t{1} << 40;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(cap, value * 10 + (text[i] - '0'));
    return negative ? -value : value;
}

}  // namespace quivra
