// The alarms' window: the list forwarded to the editor and the engine, and the launcher told of every change.
#include "tools/time/alarm_list_dialog.h"

#include <commctrl.h>

#include <iterator>

#include "base/win/platform.h"
#include "base/win/startup_entry.h"
#include "base/win/text.h"
#include "res/dialogs/alarms.h"
#include "tools/time/alarm_editor_dialog.h"
#include "tools/time/alarms.h"

namespace quivra {
namespace {

// On, time, repeat, name, next ring.
constexpr int alarm_tab_stops[] = {12, 40, 100, 176};

class AlarmsWindow final : public ToolWindow {
public:
    AlarmsWindow(HWND window, AlarmsKept& kept, OfficeCalendarKept& office)
        : ToolWindow(window), kept_(kept), office_(office) {}

    INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam) override {
        if (message != WM_ALARMS_CHANGED) return ToolWindow::handle(message, wparam, lparam);
        show();
        return TRUE;
    }

private:
    void open() override {
        SendDlgItemMessageW(window(), IDC_ALARM_LIST, LB_SETTABSTOPS, std::size(alarm_tab_stops),
                            reinterpret_cast<LPARAM>(alarm_tab_stops));
        CheckDlgButton(window(), IDC_ALARM_TRAY, kept_.tray ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(window(), IDC_ALARM_STARTUP, starts_with_windows() ? BST_CHECKED : BST_UNCHECKED);
        show();
    }

    bool command(WPARAM id) override {
        switch (id) {
        case IDC_ALARM_ADD: add(); return true;
        case IDC_ALARM_CHANGE:
        case MAKEWPARAM(IDC_ALARM_LIST, LBN_DBLCLK): change(); return true;
        case IDC_ALARM_REMOVE: remove(); return true;
        case IDC_ALARM_SWITCH:
            if (AlarmEntry* alarm = chosen()) alarm->on = !alarm->on, changed();
            return true;
        case MAKEWPARAM(IDC_ALARM_LIST, LBN_SELCHANGE): show_rings(); return true;
        case IDC_ALARM_TRAY: kept_.tray = IsDlgButtonChecked(window(), IDC_ALARM_TRAY) == BST_CHECKED; return true;
        case IDC_ALARM_STARTUP:
            start_with_windows(IsDlgButtonChecked(window(), IDC_ALARM_STARTUP) == BST_CHECKED);
            CheckDlgButton(window(), IDC_ALARM_STARTUP, starts_with_windows() ? BST_CHECKED : BST_UNCHECKED);
            return true;
        }
        return false;
    }

    int row() const { return int(SendDlgItemMessageW(window(), IDC_ALARM_LIST, LB_GETCURSEL, 0, 0)); }
    AlarmEntry* chosen() { return row() >= 0 && row() < int(kept_.alarms.size()) ? &kept_.alarms[std::size_t(row())] : nullptr; }

    void add() {
        if (kept_.alarms.size() >= alarms_max) return platform().inform(window(), "登録できるのは50件までです。");
        AlarmEntry alarm;
        alarm.date = day_of(local_minute_now());
        if (!edit_alarm(window(), alarm)) return;
        kept_.alarms.push_back(alarm);
        changed(int(kept_.alarms.size()) - 1);
    }

    void change() {
        const int chosen_row = row();
        if (AlarmEntry* alarm = chosen(); alarm && edit_alarm(window(), *alarm)) changed(chosen_row);
    }

    void remove() {
        AlarmEntry* alarm = chosen();
        if (!alarm || !platform().ask(window(), "「" + alarm->name + "」を削除しますか？")) return;
        kept_.alarms.erase(kept_.alarms.begin() + row());
        changed();
    }

    void changed(int chosen_row = -2) {
        show(chosen_row == -2 ? row() : chosen_row);
        tell_launcher(WM_ALARMS_CHANGED);
    }

    // The chosen alarm stays chosen; with none, the first, so that its 31 days show.
    void show(int chosen_row = -2) {
        if (chosen_row == -2) chosen_row = row();
        if (chosen_row < 0 || chosen_row >= int(kept_.alarms.size())) chosen_row = kept_.alarms.empty() ? -1 : 0;
        const DaysOff office = days_off_of(office_);
        // The watch rings an alarm as its minute begins: this minute's is past.
        const LocalMinute next_minute = local_minute_now() + 1;
        std::vector<std::string> lines;
        for (const AlarmEntry& alarm : kept_.alarms) lines.push_back(alarm_line(alarm, next_ring(alarm, next_minute, office)));
        show_lines(window(), IDC_ALARM_LIST, lines);
        SendDlgItemMessageW(window(), IDC_ALARM_LIST, LB_SETCURSEL, WPARAM(chosen_row), 0);
        show_rings();
    }

    void show_rings() {
        std::vector<std::string> lines;
        if (const AlarmEntry* alarm = chosen(); alarm && alarm->on) {
            const LocalMinute next_minute = local_minute_now() + 1;
            for (LocalMinute ring : rings_between(*alarm, next_minute, next_minute + 31 * minutes_a_day, days_off_of(office_)))
                lines.push_back(ring_day_line(ring));
        }
        show_lines(window(), IDC_ALARM_RINGS, lines);
    }

    AlarmsKept& kept_;
    OfficeCalendarKept& office_;
};

}  // namespace

std::int64_t local_minute_now() {
    const SYSTEMTIME now = platform().local_time();
    return local_minute(date(now.wYear, now.wMonth, now.wDay), now.wHour, now.wMinute);
}

std::unique_ptr<ToolWindow> make_alarms_window(HWND window, AlarmsKept& kept, OfficeCalendarKept& office) {
    return std::make_unique<AlarmsWindow>(window, kept, office);
}

}  // namespace quivra
