// The bold display font.
#include "base/win/display_font.h"

#include "base/win/dpi.h"
#include "base/win/text.h"

namespace quivra {

HFONT create_display_font(int dpi) {
    return CreateFontW(at_dpi(16, dpi), 0, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                       widen("ＭＳ Ｐゴシック").c_str());
}

HFONT renew_display_font(HFONT font, HWND dialog, int dpi, bool (*shows_large)(int id)) {
    HFONT renewed = create_display_font(dpi);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (shows_large(GetDlgCtrlID(child))) SendMessageW(child, WM_SETFONT, WPARAM(renewed), TRUE);
    if (font) DeleteObject(font);
    return renewed;
}

}  // namespace quivra
