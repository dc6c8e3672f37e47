// Icons drawn at the size the window's DPI asks for, from the image of
// that size in the icon resource rather than a stretched 32-pixel one.
#pragma once

#include <windows.h>

namespace quivra {

// Icon resource `id` of the program at `dpi`: 32 pixels at 96 dpi, 48 at
// 144, 64 at 192. Loaded once per size and kept for the whole run.
HICON icon_at_dpi(int id, int dpi);

// Gives each icon control of the dialog its icon at `dpi`. Such a
// control carries its icon's resource id as its own id.
void show_icons_at_dpi(HWND dialog, int dpi);

}  // namespace quivra
