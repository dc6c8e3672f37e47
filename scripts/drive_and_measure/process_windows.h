// The top-level windows of another process, and waiting for one to appear.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace quivra {

std::vector<HWND> visible_windows(DWORD process);

// From a performance-counter reading to now.
double milliseconds_since(const LARGE_INTEGER& start);

// Polls `find` until it gives a window; null once `timeout_ms` has passed.
HWND wait_for(const std::function<HWND()>& find, DWORD timeout_ms);

// The running program's launcher, made the active window; null, with a
// word on stderr, when it does not appear.
HWND activated_launcher();

// Sends a command (a launcher button's or a menu's) and returns the window
// it opens; null, with a word on stderr, when none opens.
HWND open_from(HWND window, int command);

// Clicks a control of another process's window; false when there is none.
bool press(HWND window, int button);

// Chooses a row of another process's combo box, as a user would; false when
// there is no such box or row.
bool choose_row(HWND window, int combo, int row);

}  // namespace quivra
