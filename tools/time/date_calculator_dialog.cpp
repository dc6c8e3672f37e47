#include "tools/time/date_calculator_dialog.h"

#include <commctrl.h>

#include "app/text.h"
#include "res/dialogs/date_calculator.h"
#include "tools/time/calendar.h"
#include "tools/time/date_text.h"

namespace quivra {
namespace {

constexpr int no_weekday = 7;

Date picked_date(HWND dialog, int picker) {
    SYSTEMTIME time{};
    SendDlgItemMessageW(dialog, picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return {time.wYear, time.wMonth, time.wDay};
}

void open(HWND dialog) {
    CheckDlgButton(dialog, IDC_PLUS, BST_CHECKED);
    SendDlgItemMessageW(dialog, IDC_DAY_COUNT_UPDOWN, UDM_SETRANGE, 0, MAKELPARAM(9999, 0));
    SendDlgItemMessageW(dialog, IDC_DAY_COUNT, EM_LIMITTEXT, 4, 0);
}

void show_days_between(HWND dialog) {
    std::int32_t days = day_number(picked_date(dialog, IDC_SECOND_DATE)) -
                        day_number(picked_date(dialog, IDC_FIRST_DATE));
    SetDlgItemInt(dialog, IDC_DAYS_RESULT, UINT(days), TRUE);
}

void show_date_after(HWND dialog) {
    std::int32_t sign = IsDlgButtonChecked(dialog, IDC_PLUS) == BST_CHECKED ? 1 : -1;
    std::int32_t count = std::int32_t(GetDlgItemInt(dialog, IDC_DAY_COUNT, nullptr, FALSE));
    std::optional<Date> result = add_days(picked_date(dialog, IDC_START_DATE), sign * count);
    set_item_text(dialog, IDC_DATE_RESULT, result ? format_result_date(*result) : "");
    int weekday = result ? weekday_index(*result).value_or(no_weekday) : no_weekday;
    set_item_text(dialog, IDC_WEEKDAY_RESULT, weekday_name(weekday));
}

}  // namespace

INT_PTR CALLBACK date_calculator_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        open(dialog);
        return TRUE;
    case WM_COMMAND:
        if (wparam == IDC_DAYS_BETWEEN) show_days_between(dialog);
        if (wparam == IDC_DATE_AFTER) show_date_after(dialog);
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
