// 何歳？: age, 数え年, 干支 and school years for a birth date; its menu opens the age table.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_age_window(HWND window, AgeKept& kept);
std::unique_ptr<ToolWindow> make_age_table_window(HWND window);

}  // namespace quivra
