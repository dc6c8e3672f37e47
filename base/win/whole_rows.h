// List boxes that show whole rows, as their style asks, whatever the font.
#pragma once

#include <windows.h>

namespace quivra {

// Shortens each list box of the dialog that lacks LBS_NOINTEGRALHEIGHT so
// that no row is cut at its bottom; some systems leave that to chance
// when the dialog font is set after the list was sized.
void fit_lists_to_whole_rows(HWND dialog);

}  // namespace quivra
