// The countdown timer: rings an alarm file and shows a message when the time is up.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_timer_window(HWND window, TimerKept& kept);

}  // namespace quivra
