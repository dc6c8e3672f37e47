// The free space, label and kind of every drive from B: up.
#pragma once

#include <windows.h>

namespace quivra {

INT_PTR CALLBACK drive_report_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quivra
