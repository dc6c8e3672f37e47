// The world clock's window: the pickers, the city list and the engine's report.
#include "tools/time/world_clock_dialog.h"

#include <commctrl.h>

#include "base/stored_row.h"
#include "base/win/drop_down.h"
#include "base/win/pickers.h"
#include "base/win/platform.h"
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

class WorldClockWindow final : public ToolWindow {
public:
    WorldClockWindow(HWND window, WorldClockKept& kept) : ToolWindow(window), kept_(kept) {}

private:
    bool command(WPARAM id) override {
        if (id == IDC_WORLD_REPORT) {
            report();
        } else if (id == IDC_WORLD_AUTOMATIC) {
            kept_.zones_decide = automatic() ? 1 : 0;
            enable_for_mode();
        } else {
            return false;
        }
        return true;
    }

    bool automatic() const { return IsDlgButtonChecked(window(), IDC_WORLD_AUTOMATIC) == BST_CHECKED; }

    // The manual box means nothing while the zones decide, and the date nothing without them.
    void enable_for_mode() {
        EnableWindow(GetDlgItem(window(), IDC_WORLD_SUMMER_TIME), !automatic());
        EnableWindow(GetDlgItem(window(), IDC_WORLD_DATE), automatic());
    }

    void open() override {
        SYSTEMTIME now = platform().local_time();
        set_up_picker(window(), IDC_WORLD_TIME, time_format, &now);
        set_up_picker(window(), IDC_WORLD_DATE, date_format, &now);
        fill_drop_down(window(), IDC_WORLD_CITY, cities.size(), [](std::size_t row) { return cities[row].name; },
                       kept_.city);
        CheckDlgButton(window(), IDC_WORLD_AUTOMATIC, kept_.zones_decide ? BST_CHECKED : BST_UNCHECKED);
        enable_for_mode();
    }

    void report() {
        SYSTEMTIME time = picked(window(), IDC_WORLD_TIME);
        // With no selection the first row stands in, and the box shows it.
        std::size_t row =
            stored_row(SendDlgItemMessageW(window(), IDC_WORLD_CITY, CB_GETCURSEL, 0, 0), cities.size());
        SendDlgItemMessageW(window(), IDC_WORLD_CITY, CB_SETCURSEL, row, 0);
        kept_.city = std::int32_t(row);
        if (automatic()) {
            PlatformZones zones;
            DateMinute moment{picked_date(window(), IDC_WORLD_DATE), time.wHour, time.wMinute};
            show_lines(window(), IDC_WORLD_TIMES, world_times_by_zone(std::int64_t(row), moment, zones));
            return;
        }
        bool summer_time = IsDlgButtonChecked(window(), IDC_WORLD_SUMMER_TIME) == BST_CHECKED;
        show_lines(window(), IDC_WORLD_TIMES, world_times(std::int64_t(row), time.wHour, time.wMinute, summer_time));
    }

    WorldClockKept& kept_;
};

}  // namespace

std::unique_ptr<ToolWindow> make_world_clock_window(HWND window, WorldClockKept& kept) {
    return std::make_unique<WorldClockWindow>(window, kept);
}

}  // namespace quivra
