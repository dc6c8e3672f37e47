// A one-button stopwatch: each start times from zero to a tenth of a second.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_stopwatch_window(HWND window);
// The reading, in the display font.
bool stopwatch_large_text(int id);

}  // namespace quivra
