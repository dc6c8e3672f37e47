// The world clock's window: the picker, the city list and the engine's report.
#include "tools/time/world_clock_dialog.h"

#include <commctrl.h>

#include "base/win/platform.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/world_clock.h"
#include "tools/time/world_clock.h"

namespace quivra {
namespace {

void open(HWND dialog) {
    HWND picker = GetDlgItem(dialog, IDC_WORLD_TIME);
    SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH:mm:ss"));
    SYSTEMTIME now = platform().local_time();
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&now));
    for (std::size_t row = 0; row < cities.size(); ++row)
        SendDlgItemMessageW(dialog, IDC_WORLD_CITY, CB_INSERTSTRING, row,
                            reinterpret_cast<LPARAM>(widen(cities[row].name).c_str()));
    SendDlgItemMessageW(dialog, IDC_WORLD_CITY, CB_SETCURSEL,
                        city_row(settings.world_def.at_startup), 0);
}

void report(HWND dialog) {
    SYSTEMTIME time{};
    SendDlgItemMessageW(dialog, IDC_WORLD_TIME, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    // With no selection the first row stands in, and the box shows it.
    std::size_t row = city_row(SendDlgItemMessageW(dialog, IDC_WORLD_CITY, CB_GETCURSEL, 0, 0));
    SendDlgItemMessageW(dialog, IDC_WORLD_CITY, CB_SETCURSEL, row, 0);
    settings.world_def.set(std::int32_t(row));
    bool summer_time = IsDlgButtonChecked(dialog, IDC_WORLD_SUMMER_TIME) == BST_CHECKED;
    show_lines(dialog, IDC_WORLD_TIMES, world_times(std::int64_t(row), time.wHour, time.wMinute, summer_time));
}

}  // namespace

INT_PTR CALLBACK world_clock_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        open(dialog);
        return TRUE;
    case WM_COMMAND:
        if (wparam != IDC_WORLD_REPORT) return FALSE;
        report(dialog);
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
