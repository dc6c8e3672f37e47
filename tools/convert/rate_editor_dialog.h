// The rate editor's window, opened from the currency converter's menu.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK rate_editor_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quivra
