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

class HolidayListWindow final : public ToolWindow {
public:
    using ToolWindow::ToolWindow;

private:
    void open() override {
        SendDlgItemMessageW(window(), IDC_HOLIDAY_LIST, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&name_tab_stop));
        set_up_spin_field(window(), IDC_HOLIDAY_YEAR, IDC_HOLIDAY_YEAR_UPDOWN, first_holiday_year, last_holiday_year);
        SetDlgItemInt(window(), IDC_HOLIDAY_YEAR, platform().local_time().wYear, FALSE);
        show_year();
    }

    bool command(WPARAM id) override {
        if (id != MAKEWPARAM(IDC_HOLIDAY_YEAR, EN_CHANGE)) return false;
        show_year();
        return true;
    }

    void show_year() {
        int year = read_field(window(), IDC_HOLIDAY_YEAR, first_holiday_year, last_holiday_year);
        show_lines(window(), IDC_HOLIDAY_LIST, holiday_list_lines(year));
        set_item_text(window(), IDC_HOLIDAY_NOTE, holiday_list_note(year));
    }
};

}  // namespace

std::unique_ptr<ToolWindow> make_holiday_list_window(HWND window) { return std::make_unique<HolidayListWindow>(window); }

}  // namespace quivra
