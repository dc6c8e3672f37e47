// The world clock's window: the pickers, the city list and the engine's report.
#include "tools/time/world_clock_dialog.h"

#include <commctrl.h>

#include "base/stored_row.h"
#include "base/win/drop_down.h"
#include "base/win/pickers.h"
#include "base/win/platform.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/world_clock.h"
#include "tools/time/world_clock.h"

namespace quivra {
namespace {

// The engine's zones, answered by the platform's time-zone database in the engine's own minutes.
class PlatformZones final : public TimeZones {
public:
    std::optional<ZoneOffset> offset_at(std::string_view zone, std::int64_t utc) override {
        return platform().zone_offset(widen(zone), utc);
    }
    std::optional<std::int64_t> universal_minute(std::string_view zone, std::int64_t local) override {
        return platform().zone_universal_minute(widen(zone), local);
    }
};

bool automatic(HWND dialog) { return IsDlgButtonChecked(dialog, IDC_WORLD_AUTOMATIC) == BST_CHECKED; }

// The manual box means nothing while the zones decide, and the date nothing without them.
void enable_for_mode(HWND dialog) {
    EnableWindow(GetDlgItem(dialog, IDC_WORLD_SUMMER_TIME), !automatic(dialog));
    EnableWindow(GetDlgItem(dialog, IDC_WORLD_DATE), automatic(dialog));
}

void open(HWND dialog) {
    SYSTEMTIME now = platform().local_time();
    set_up_picker(dialog, IDC_WORLD_TIME, time_format, &now);
    set_up_picker(dialog, IDC_WORLD_DATE, date_format, &now);
    fill_drop_down(dialog, IDC_WORLD_CITY, cities.size(), [](std::size_t row) { return cities[row].name; },
                   settings.world_city.at_startup);
    CheckDlgButton(dialog, IDC_WORLD_AUTOMATIC, settings.world_zones_decide.at_startup ? BST_CHECKED : BST_UNCHECKED);
    enable_for_mode(dialog);
}

void report(HWND dialog) {
    SYSTEMTIME time = picked(dialog, IDC_WORLD_TIME);
    // With no selection the first row stands in, and the box shows it.
    std::size_t row = stored_row(SendDlgItemMessageW(dialog, IDC_WORLD_CITY, CB_GETCURSEL, 0, 0), cities.size());
    SendDlgItemMessageW(dialog, IDC_WORLD_CITY, CB_SETCURSEL, row, 0);
    settings.world_city.set(std::int32_t(row));
    if (automatic(dialog)) {
        SYSTEMTIME date = picked(dialog, IDC_WORLD_DATE);
        PlatformZones zones;
        DateMinute moment{{date.wYear, date.wMonth, date.wDay}, time.wHour, time.wMinute};
        show_lines(dialog, IDC_WORLD_TIMES, world_times_by_zone(std::int64_t(row), moment, zones));
        return;
    }
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
        if (wparam == IDC_WORLD_REPORT) {
            report(dialog);
        } else if (wparam == IDC_WORLD_AUTOMATIC) {
            settings.world_zones_decide.set(automatic(dialog) ? 1 : 0);
            enable_for_mode(dialog);
        } else {
            return FALSE;
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
