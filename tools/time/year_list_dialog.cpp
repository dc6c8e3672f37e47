// The year field, its arrows and the list of that year's lines.
#include "tools/time/year_list_dialog.h"

#include <commctrl.h>

#include "base/win/platform.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"

namespace quivra {

void YearListWindow::open() {
    SendDlgItemMessageW(window(), list_.list, LB_SETTABSTOPS, list_.tab_stops.size(),
                        reinterpret_cast<LPARAM>(list_.tab_stops.data()));
    set_up_spin_field(window(), list_.year_field, list_.year_arrows, list_.first_year, list_.last_year);
    SetDlgItemInt(window(), list_.year_field, platform().local_time().wYear, FALSE);
    show_year();
}

bool YearListWindow::command(WPARAM id) {
    if (id != MAKEWPARAM(list_.year_field, EN_CHANGE)) return false;
    show_year();
    return true;
}

void YearListWindow::show_year() {
    const int year = read_field(window(), list_.year_field, list_.first_year, list_.last_year);
    show_lines(window(), list_.list, list_.lines(year));
    show_more(year);
}

}  // namespace quivra
