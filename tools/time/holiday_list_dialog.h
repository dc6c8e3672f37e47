// A year's public holidays, opened from the date calculator's menu.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK holiday_list_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quivra
