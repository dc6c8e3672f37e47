// The duration calculator: a keypad whose operands are hours, minutes and seconds.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_time_calculator_window(HWND window);
// The keys' digits, the operator and the result, in the display font.
bool time_calculator_large_text(int id);

}  // namespace quivra
