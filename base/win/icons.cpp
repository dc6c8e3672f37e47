// Icons at the window's DPI.
#include "base/win/icons.h"

#include <map>
#include <utility>

#include "base/win/dpi.h"

namespace quivra {

HICON icon_at_dpi(int id, int dpi) {
    static std::map<std::pair<int, int>, HICON> loaded;
    int size = at_dpi(32, dpi);
    HICON& icon = loaded[{id, size}];
    if (!icon)
        icon = HICON(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
    return icon;
}

namespace {

BOOL CALLBACK show_icon(HWND child, LPARAM dpi) {
    wchar_t name[8]{};
    GetClassNameW(child, name, 8);
    if (lstrcmpiW(name, L"Static") == 0 && (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        if (HICON icon = icon_at_dpi(GetDlgCtrlID(child), int(dpi)))
            SendMessageW(child, STM_SETICON, WPARAM(icon), 0);
    return TRUE;
}

}  // namespace

void show_icons_at_dpi(HWND dialog, int dpi) { EnumChildWindows(dialog, show_icon, dpi); }

}  // namespace quivra
