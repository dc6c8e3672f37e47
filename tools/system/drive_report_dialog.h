// The free space, label and kind of every drive from B: up.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_drive_report_window(HWND window);

}  // namespace quivra
