#include "app/platform.h"

#include "app/text.h"

namespace quivra {
namespace {

constexpr wchar_t caption[] = L"Quivra";

class Win32Platform final : public Platform {
public:
    void inform(HWND owner, std::string_view text) override {
        MessageBoxW(owner, widen(text).c_str(), caption, MB_OK | MB_ICONINFORMATION);
    }
    bool ask(HWND owner, std::string_view text) override {
        return MessageBoxW(owner, widen(text).c_str(), caption, MB_YESNO | MB_ICONINFORMATION) ==
               IDYES;
    }
};

Win32Platform win32_platform;
Platform* current = &win32_platform;

}  // namespace

Platform& platform() { return *current; }
void use_platform(Platform& replacement) { current = &replacement; }

}  // namespace quivra
