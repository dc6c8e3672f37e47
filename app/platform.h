// The platform services a test must be able to answer for itself.
#pragma once

#include <windows.h>

#include <string_view>

namespace quivra {

class Platform {
public:
    virtual ~Platform() = default;
    // A message with an OK button and the information icon.
    virtual void inform(HWND owner, std::string_view cp932_text) = 0;
    // A Yes/No question with the information icon; true for Yes.
    virtual bool ask(HWND owner, std::string_view cp932_text) = 0;
};

Platform& platform();
// Tests put their own in place; production uses the real one.
void use_platform(Platform& replacement);

}  // namespace quivra
