// Picker set-up and read-back.
#include "base/win/pickers.h"

#include <commctrl.h>

namespace quivra {

void set_up_picker(HWND dialog, int id, const wchar_t* format, const SYSTEMTIME* shown) {
    SendDlgItemMessageW(dialog, id, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format));
    if (shown) SendDlgItemMessageW(dialog, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(shown));
}

SYSTEMTIME picked(HWND dialog, int id) {
    SYSTEMTIME time{};
    SendDlgItemMessageW(dialog, id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

}  // namespace quivra
