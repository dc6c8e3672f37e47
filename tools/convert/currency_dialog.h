// The currency converter's window; its menu opens the rate editor, which shares its part.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_currency_window(HWND window, CurrencyKept& kept);

}  // namespace quivra
