// The DPI a window is drawn for.
#include "base/win/dpi.h"

namespace quivra {

// Looked up rather than linked, so the program still starts where
// user32 lacks it (before Windows 10 1607).
int window_dpi(HWND window) {
    using PerWindow = UINT(WINAPI*)(HWND);
    static const auto per_window = reinterpret_cast<PerWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (per_window)
        if (UINT dpi = per_window(window)) return int(dpi);
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : standard_dpi;
}

}  // namespace quivra
