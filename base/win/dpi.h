// Sizes in pixels for the dots per inch of the monitor a window is on.
#pragma once

#include <windows.h>

namespace quivra {

inline constexpr int standard_dpi = 96;

// The window's DPI; on systems that cannot tell it per window, the screen's.
int window_dpi(HWND window);

// A size drawn at 96 dpi, as large at `dpi`.
inline int at_dpi(int pixels_at_96, int dpi) { return MulDiv(pixels_at_96, dpi, standard_dpi); }

}  // namespace quivra
