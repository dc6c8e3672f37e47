// Refused changes of a kept text field undone as they happen.
#include "base/win/kept_text_field.h"

#include <algorithm>

#include "base/win/text.h"

namespace quivra {

void KeptTextField::attach(HWND edit) {
    edit_ = edit;
    accepted_ = wide_window_text(edit);
}

std::string_view KeptTextField::check() {
    if (!edit_ || putting_back_) return {};
    std::wstring shown = wide_window_text(edit_);
    std::string cp932 = narrow(shown);
    std::string_view refusal = refusal_(cp932, widen(cp932) == shown);
    if (refusal.empty()) {
        accepted_ = std::move(shown);
        return {};
    }
    DWORD caret = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    std::size_t grown = shown.size() > accepted_.size() ? shown.size() - accepted_.size() : 0;
    std::size_t at = std::min<std::size_t>(caret > grown ? caret - grown : 0, accepted_.size());
    putting_back_ = true;
    SetWindowTextW(edit_, accepted_.c_str());
    putting_back_ = false;
    SendMessageW(edit_, EM_SETSEL, at, at);
    return refusal;
}

}  // namespace quivra
