// Fitting list boxes to whole rows.
#include "base/win/whole_rows.h"

#include <cwchar>

namespace quivra {
namespace {

BOOL CALLBACK fit(HWND child, LPARAM) {
    wchar_t name[16]{};
    GetClassNameW(child, name, 16);
    LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (_wcsicmp(name, L"ListBox") != 0 || (style & (LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE)))
        return TRUE;
    auto row = int(SendMessageW(child, LB_GETITEMHEIGHT, 0, 0));
    RECT client, outer;
    GetClientRect(child, &client);
    GetWindowRect(child, &outer);
    if (row > 0 && client.bottom % row)
        SetWindowPos(child, nullptr, 0, 0, outer.right - outer.left,
                     outer.bottom - outer.top - client.bottom % row,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

}  // namespace

void fit_lists_to_whole_rows(HWND dialog) { EnumChildWindows(dialog, fit, 0); }

}  // namespace quivra
