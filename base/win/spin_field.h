// A number field with its up-down control: the range the arrows keep to,
// and no more characters than the range's widest number.
#pragma once

#include <windows.h>

#include <cstdint>

namespace quivra {

void set_up_spin_field(HWND dialog, int field, int updown, std::int32_t low, std::int32_t high);

}  // namespace quivra
