// A running count is stopped only when the user agrees to close.
#include "base/win/closing_question.h"

#include "base/win/platform.h"

namespace quivra {

bool may_close_counting(HWND dialog, bool counting, std::string_view question, const std::function<void()>& stop) {
    if (!counting) return true;
    if (!platform().ask(dialog, question)) return false;
    stop();
    return true;
}

}  // namespace quivra
