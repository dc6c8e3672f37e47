// A whole-degree temperature in Celsius and Fahrenheit.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_temperature_window(HWND window);

}  // namespace quivra
