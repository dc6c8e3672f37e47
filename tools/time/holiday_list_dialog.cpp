// The holiday list's window: the year's field and the engine's lines for it.
#include "tools/time/holiday_list_dialog.h"

#include <commctrl.h>

#include "base/holidays.h"
#include "base/win/platform.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/date_calculator.h"
#include "tools/time/date_calculator.h"

namespace quivra {
namespace {

// The name column after "2027/ 1/ 1 (金)".
constexpr int name_tab_stop = 64;

void show_year(HWND dialog) {
    int year = read_field(dialog, IDC_HOLIDAY_YEAR, first_holiday_year, last_holiday_year);
    show_lines(dialog, IDC_HOLIDAY_LIST, holiday_list_lines(year));
    set_item_text(dialog, IDC_HOLIDAY_NOTE, holiday_list_note(year));
}

}  // namespace

INT_PTR CALLBACK holiday_list_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageW(dialog, IDC_HOLIDAY_LIST, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&name_tab_stop));
        set_up_spin_field(dialog, IDC_HOLIDAY_YEAR, IDC_HOLIDAY_YEAR_UPDOWN, first_holiday_year, last_holiday_year);
        SetDlgItemInt(dialog, IDC_HOLIDAY_YEAR, platform().local_time().wYear, FALSE);
        show_year(dialog);
        return TRUE;
    case WM_COMMAND:
        if (wparam != MAKEWPARAM(IDC_HOLIDAY_YEAR, EN_CHANGE)) return FALSE;
        show_year(dialog);
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
