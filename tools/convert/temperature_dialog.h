// A whole-degree temperature in Celsius and Fahrenheit.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK temperature_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quivra
