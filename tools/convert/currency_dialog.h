// The currency converter's window.
#pragma once

#include "base/win/frame.h"

namespace quivra {

// Its menu opens the rate editor's row.
std::unique_ptr<ToolWindow> make_currency_window(const Tool& rate_editor);

}  // namespace quivra
