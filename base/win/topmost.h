// 常に手前に表示 in a window's system menu, kept per window beside its position.
#pragma once

#include <windows.h>

#include "base/settings.h"
#include "base/win/frame_ids.h"

namespace quivra {

// Adds the item to the window's system menu and puts the window on top
// if its position row was kept so.
void offer_topmost(HWND window, int position, const WindowRows& windows);

// Turns staying on top over when `command`, a WM_SYSCOMMAND's wParam, is
// the item; false for every other system command.
bool toggle_topmost(HWND window, int position, WPARAM command, WindowRows& windows);

}  // namespace quivra
