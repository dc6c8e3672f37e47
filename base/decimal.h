// The one reader of decimal text, for tarv.ini and for number fields alike.
#pragma once

#include <cstdint>
#include <string_view>

namespace quivra {

// Decimal text as the C library reads it: blanks, a sign, digits, and
// anything else ends the number; no digits read as 0. Saturates far
// beyond 32 bits instead of overflowing, however long the text.
std::int64_t read_decimal(std::string_view text);

}  // namespace quivra
