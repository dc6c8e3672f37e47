// Days between two dates, and a date some days after or before another.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_date_calculator_window();

}  // namespace quivra
