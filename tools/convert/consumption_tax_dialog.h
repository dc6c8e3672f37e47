// A price split into price and consumption tax, with the tax included or added.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_consumption_tax_window(HWND window, TaxKept& kept);

}  // namespace quivra
