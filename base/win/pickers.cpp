// Picker set-up and read-back, and the holidays in bold in a date picker's calendar.
#include "base/win/pickers.h"

#include <commctrl.h>

#include <vector>

#include "base/holidays.h"

namespace quivra {

void fill_day_states(NMDAYSTATE& request, const MonthBits& bits) {
    int year = request.stStart.wYear, month = request.stStart.wMonth;
    for (int i = 0; i < request.cDayState; ++i) {
        request.prgDayState[i] = bits(year, month);
        if (++month > 12) month = 1, ++year;
    }
}

namespace {

// Wine's picker keeps its calendar's requests to itself; Windows' passes
// them on to the dialog, which answers them through show_holidays().
LRESULT CALLBACK date_picker_procedure(HWND picker, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                       DWORD_PTR) {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lparam)->code == MCN_GETDAYSTATE) {
        fill_day_states(*reinterpret_cast<NMDAYSTATE*>(lparam), holiday_bits);
        return 0;
    }
    return DefSubclassProc(picker, message, wparam, lparam);
}

}  // namespace

void set_up_picker(HWND dialog, int id, const wchar_t* format, const SYSTEMTIME* shown) {
    SendDlgItemMessageW(dialog, id, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format));
    if (shown) SendDlgItemMessageW(dialog, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(shown));
    if (format != date_format) return;
    // Windows makes the calendar anew at each drop-down with this style; it cannot be added later.
    SendDlgItemMessageW(dialog, id, DTM_SETMCSTYLE, 0, MCS_DAYSTATE);
    SetWindowSubclass(GetDlgItem(dialog, id), date_picker_procedure, 0, 0);
}

SYSTEMTIME picked(HWND dialog, int id) {
    SYSTEMTIME time{};
    SendDlgItemMessageW(dialog, id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

Date picked_date(HWND dialog, int id) {
    SYSTEMTIME time = picked(dialog, id);
    return date(time.wYear, time.wMonth, time.wDay);
}

void set_day_states(HWND calendar, const MonthBits& bits) {
    SYSTEMTIME range[2]{};
    int months = int(SendMessageW(calendar, MCM_GETMONTHRANGE, GMR_DAYSTATE, reinterpret_cast<LPARAM>(range)));
    if (months <= 0) return;
    std::vector<MONTHDAYSTATE> states(static_cast<std::size_t>(months));
    NMDAYSTATE request{};
    request.stStart = range[0];
    request.cDayState = months;
    request.prgDayState = states.data();
    fill_day_states(request, bits);
    SendMessageW(calendar, MCM_SETDAYSTATE, WPARAM(months), reinterpret_cast<LPARAM>(states.data()));
}

bool show_holidays(const NMHDR& notice) {
    if (notice.code == MCN_GETDAYSTATE) {
        fill_day_states(*reinterpret_cast<NMDAYSTATE*>(const_cast<NMHDR*>(&notice)), holiday_bits);
        return true;
    }
    if (notice.code != DTN_DROPDOWN) return false;
    // A calendar made without the day-state style (Wine's, made with its picker) takes none.
    HWND calendar = reinterpret_cast<HWND>(SendMessageW(notice.hwndFrom, DTM_GETMONTHCAL, 0, 0));
    if (calendar && (GetWindowLongPtrW(calendar, GWL_STYLE) & MCS_DAYSTATE)) set_day_states(calendar, holiday_bits);
    return false;
}

}  // namespace quivra
