// The duration calculator: a keypad whose operands are hours, minutes and seconds.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK time_calculator_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quivra
