// The rate editor's window, opened from the currency converter's menu.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_rate_editor_window(HWND window, CurrencyKept& kept);

}  // namespace quivra
