// The holiday list's window: the year's field and the engine's lines for it.
#include "tools/time/holiday_list_dialog.h"

#include <commctrl.h>

#include "base/holidays.h"
#include "base/win/text.h"
#include "res/dialogs/date_calculator.h"
#include "tools/time/date_calculator.h"
#include "tools/time/year_list_dialog.h"

namespace quivra {
namespace {

// The name column after "2027/ 1/ 1 (金)".
constexpr int name_tab_stop[] = {64};

const YearList holidays{IDC_HOLIDAY_YEAR,   IDC_HOLIDAY_YEAR_UPDOWN, IDC_HOLIDAY_LIST, first_holiday_year,
                        last_holiday_year, name_tab_stop,           holiday_list_lines};

class HolidayListWindow final : public YearListWindow {
public:
    explicit HolidayListWindow(HWND window) : YearListWindow(window, holidays) {}

private:
    void show_more(int year) override { set_item_text(window(), IDC_HOLIDAY_NOTE, holiday_list_note(year)); }
};

}  // namespace

std::unique_ptr<ToolWindow> make_holiday_list_window(HWND window) { return std::make_unique<HolidayListWindow>(window); }

}  // namespace quivra
