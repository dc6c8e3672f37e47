// The bold font of the tools' large digits.
#pragma once

#include <windows.h>

namespace quivra {

// Weight 700, Shift-JIS, "ＭＳ Ｐゴシック", 16 pixels high at 96 dpi and as
// large at `dpi`. The caller deletes it.
HFONT create_display_font(int dpi);

// Gives the controls of `dialog` whose ids `shows_large` picks a display
// font made for `dpi`, then deletes `font`, the one they had (if any).
// Returns the new font, which the caller deletes when its window closes.
HFONT renew_display_font(HFONT font, HWND dialog, int dpi, bool (*shows_large)(int id));

}  // namespace quivra
