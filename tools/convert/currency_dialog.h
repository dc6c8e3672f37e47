// The currency converter's window.
#pragma once

#include <windows.h>

namespace quivra {

// Opened with the rate editor's Tool as its parameter: the menu opens it.
INT_PTR CALLBACK currency_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quivra
