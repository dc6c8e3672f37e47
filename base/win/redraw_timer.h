// A window timer for a display that changes at known moments.
#pragma once

#include <windows.h>

#include <cstdint>

namespace quivra {

// Falls due once, `delay_ms` from now (no sooner than the system allows):
// the moment the display next changes, measured on the monotonic clock.
void redraw_in(HWND window, UINT_PTR timer, std::int64_t delay_ms);

}  // namespace quivra
