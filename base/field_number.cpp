// The clamping number reader of every number field.
#include "base/field_number.h"

#include <algorithm>

namespace quivra {

std::int32_t read_field_number(std::string_view text, std::int32_t low, std::int32_t high) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return std::clamp<std::int32_t>(0, low, high);
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    // Past this every further digit only pushes the value further out.
    constexpr std::int64_t beyond_any_field = std::int64_t{1} << 40;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(beyond_any_field, value * 10 + (text[i] - '0'));
    return std::int32_t(std::clamp<std::int64_t>(negative ? -value : value, low, high));
}

}  // namespace quivra
