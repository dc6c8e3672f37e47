// The company's own days off and working days, opened from the date calculator's menu.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_office_calendar_window(HWND window, OfficeCalendarKept& kept);

}  // namespace quivra
