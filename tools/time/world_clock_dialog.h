// The time of day in 38 cities when it is a given time in one of them.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK world_clock_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quivra
