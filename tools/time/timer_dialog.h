// The countdown timer: rings an alarm file and shows a message when the time is up.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK timer_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quivra
