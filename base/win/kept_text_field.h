// An edit field that never shows text its kept value could not hold.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quivra {

class KeptTextField {
public:
    // Why `cp932` cannot be kept, or empty when it can; `representable` is
    // false when the field showed characters that CP932 lacks.
    using Refusal = std::string_view (*)(std::string_view cp932, bool representable);

    explicit KeptTextField(Refusal refusal) : refusal_(refusal) {}
    void attach(HWND edit);
    // Called at each change of the field, however it came (typing, pasting,
    // another program's WM_SETTEXT): a refused text is put back to the last
    // one accepted, the caret where the refused insertion began. Returns why,
    // or empty when the text is kept.
    std::string_view check();

private:
    HWND edit_ = nullptr;
    Refusal refusal_;
    std::wstring accepted_;
    bool putting_back_ = false;
};

}  // namespace quivra
