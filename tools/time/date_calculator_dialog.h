// Days between two dates, and a date some days after or before another.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK date_calculator_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quivra
