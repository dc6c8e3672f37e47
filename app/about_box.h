// The About box: the program's name, version and makers.
#pragma once

#include <windows.h>

namespace quivra {

// Shows the About box, modal to the launcher.
void show_about_box(HWND launcher);

}  // namespace quivra
