// The time of day in 38 cities when it is a given time in one of them.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_world_clock_window(HWND window, WorldClockKept& kept);

}  // namespace quivra
