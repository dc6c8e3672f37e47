// Days between two dates, and a date some days after or before another; its menu opens the holiday list.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_date_calculator_window(HWND window, DateCalculatorKept& kept,
                                                        OfficeCalendarKept& office);

}  // namespace quivra
