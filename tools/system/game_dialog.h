// The 1-to-25 concentration game's window.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK game_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// The cells, in the display font.
bool game_large_text(int id);

}  // namespace quivra
