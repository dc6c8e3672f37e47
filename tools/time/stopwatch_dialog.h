// A one-button stopwatch: each start times from zero to a tenth of a second.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK stopwatch_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// The reading, in the display font.
bool stopwatch_large_text(int id);

}  // namespace quivra
