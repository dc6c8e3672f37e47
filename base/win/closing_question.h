// The one question a counting tool asks before it closes.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

namespace quivra {

// True when the tool may close: at once when it is not counting; otherwise
// once the user has said Yes to `question`, `stop` having stopped it first.
bool may_close_counting(HWND dialog, bool counting, std::string_view question, const std::function<void()>& stop);

}  // namespace quivra
