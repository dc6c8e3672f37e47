// The timer window's alarm and message: the fields that hold only what
// tarv.ini can keep, the file dialog, the test play and what a start keeps.
#pragma once

#include <windows.h>

namespace quivra {

void open_alarm_fields(HWND dialog);
// An EN_CHANGE or a click meant for these fields; false for any other.
// A refused change is named in the status line unless `counting`.
bool alarm_command(HWND dialog, WPARAM wparam, bool counting);
// The typed path names a file that exists, not a directory or a pattern.
bool alarm_is_a_file(HWND dialog);
void keep_alarm_path(HWND dialog);
void keep_message(HWND dialog);

}  // namespace quivra
