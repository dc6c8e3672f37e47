// The duration calculator: a keypad whose operands are hours, minutes and seconds.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK time_calculator_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// The keys' digits, the operator and the result, in the display font.
bool time_calculator_large_text(int id);

}  // namespace quivra
