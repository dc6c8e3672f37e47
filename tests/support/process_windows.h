// The top-level windows of another process, and waiting for one to appear.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace quivra {

std::vector<HWND> visible_windows(DWORD process);

// Polls `find` until it gives a window; null once `timeout_ms` has passed.
HWND wait_for(const std::function<HWND()>& find, DWORD timeout_ms);

}  // namespace quivra
