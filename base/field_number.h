// Reads the number a user meant from a field's text, whatever text it holds.
#pragma once

#include <cstdint>
#include <string_view>

namespace quivra {

// Leading blanks, an optional sign, then digits; anything else ends the
// number, and text with no digits reads as 0. The result is clamped to
// [low, high], so no text can overflow, however long: a field that holds
// only positive values reads "-5" as its low end.
std::int32_t read_field_number(std::string_view text, std::int32_t low, std::int32_t high);

}  // namespace quivra
