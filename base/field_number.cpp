// The clamping number reader of every number field.
#include "base/field_number.h"

#include <algorithm>

#include "base/decimal.h"

namespace quivra {

std::int32_t read_field_number(std::string_view text, std::int32_t low, std::int32_t high) {
    return std::int32_t(std::clamp<std::int64_t>(read_decimal(text), low, high));
}

}  // namespace quivra
