// A year's public holidays, opened from the date calculator's menu.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_holiday_list_window(HWND window);

}  // namespace quivra
