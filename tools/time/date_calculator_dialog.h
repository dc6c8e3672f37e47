// Days between two dates, and a date some days after or before another.
#pragma once

#include "base/win/frame.h"

namespace quivra {

// Its menu opens the holiday list's row.
std::unique_ptr<ToolWindow> make_date_calculator_window(const Tool& holiday_list);

}  // namespace quivra
