// The 1-to-25 concentration game's window.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_game_window(HWND window);
// The cells, in the display font.
bool game_large_text(int id);

}  // namespace quivra
