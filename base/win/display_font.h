// The bold font of the tools' large digits.
#pragma once

#include <windows.h>

namespace quivra {

// Height 16, weight 700, Shift-JIS, "ＭＳ Ｐゴシック". The caller deletes it
// when its window closes.
HFONT create_display_font();

}  // namespace quivra
