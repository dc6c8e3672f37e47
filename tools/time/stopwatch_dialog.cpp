// The stopwatch's window: starts and stops the engine and shows its reading.
#include "tools/time/stopwatch_dialog.h"

#include <commctrl.h>

#include <iterator>

#include "base/win/closing_question.h"
#include "base/win/platform.h"
#include "base/win/redraw_timer.h"
#include "base/win/text.h"
#include "res/dialogs/stopwatch.h"
#include "tools/time/stopwatch.h"

namespace quivra {
namespace {

constexpr char closing_question[] = "ストップウォッチは作動中です。終了してよろしいですか？";

// Lap, then total: wide enough for "1時間 0分 0.0秒".
constexpr int lap_tab_stops[] = {20, 80};

bool is_key(WPARAM key) { return key == VK_SPACE || key == 'L'; }
bool is_key_character(WPARAM c) { return c == ' ' || c == 'l' || c == 'L'; }

class StopwatchWindow final : public ToolWindow {
public:
    using ToolWindow::ToolWindow;

    INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam) override {
        switch (message) {
        case WM_BEGIN_COUNTING:
            begin();
            return TRUE;
        case WM_TIMER:
            if (wparam != IDT_STOPWATCH) return FALSE;
            if (!stopwatch_.running()) return TRUE;
            show_reading();
            arm_redraw();
            return TRUE;
        case WM_CLOSE:
        case WM_LAUNCHER_CLOSING:
            return !may_close_counting(window(), stopwatch_.running(), closing_question, [&] { stop(); });
        case WM_DESTROY:
            KillTimer(window(), IDT_STOPWATCH);
            return TRUE;
        }
        return ToolWindow::handle(message, wparam, lparam);
    }

    // The button and the keys alike; the keys arrive through every control.
    void press() {
        if (stopwatch_.running()) return stop();
        stopwatch_.start(platform().monotonic_ms());
        show_laps();
        allow_laps(true);
        begin_pending_ = true;
        PostMessageW(window(), WM_BEGIN_COUNTING, 0, 0);
    }

    void lap() {
        if (!stopwatch_.running()) return;
        stopwatch_.lap(platform().monotonic_ms());
        show_laps();
    }

private:
    void open() override {
        SendDlgItemMessageW(window(), IDC_STOPWATCH_LAPS, LB_SETTABSTOPS, std::size(lap_tab_stops), LPARAM(lap_tab_stops));
        take_keys_in_every_control();
    }

    bool command(WPARAM id) override {
        if (id == IDC_STOPWATCH_BUTTON) press();
        else if (id == IDC_STOPWATCH_LAP) lap();
        else return false;
        return true;
    }

    void show_reading() {
        set_item_text(window(), IDC_STOPWATCH_ELAPSED, stopwatch_.reading(platform().monotonic_ms()));
    }

    // A steady 100 ms timer arrives late and drifts past whole tenths; each
    // redraw is timed for the next tenth instead, so that every tenth shows.
    void arm_redraw() {
        redraw_in(window(), IDT_STOPWATCH, stopwatch_.ms_to_next_tenth(platform().monotonic_ms()));
    }

    // Focus leaves the lap button before it is disabled, or the keys go nowhere.
    void allow_laps(bool allowed) {
        HWND lap = GetDlgItem(window(), IDC_STOPWATCH_LAP);
        if (!allowed && GetFocus() == lap)
            SendMessageW(window(), WM_NEXTDLGCTL, WPARAM(GetDlgItem(window(), IDC_STOPWATCH_BUTTON)), TRUE);
        EnableWindow(lap, allowed);
    }

    void show_laps() { show_lines(window(), IDC_STOPWATCH_LAPS, stopwatch_.laps()); }

    void stop() {
        stopwatch_.stop(platform().monotonic_ms());
        allow_laps(false);
        KillTimer(window(), IDT_STOPWATCH);
        show_reading();
    }

    void begin() {
        if (!stopwatch_.running() || !begin_pending_) return;
        begin_pending_ = false;
        arm_redraw();
        set_item_text(window(), IDC_STOPWATCH_LABEL, "開始時刻");
        SYSTEMTIME now = platform().local_time();
        set_item_text(window(), IDC_STOPWATCH_START_TIME, start_time_text(now.wHour, now.wMinute, now.wSecond));
        set_item_text(window(), IDC_STOPWATCH_ELAPSED, "0");
    }

    // Space and L reach the window whatever control has the focus.
    void take_keys_in_every_control();

    Stopwatch stopwatch_;
    // Between a start and its WM_BEGIN_COUNTING: a second such message, from
    // whatever sender, must not show a new start time.
    bool begin_pending_ = false;
};

// Space and L reach the window whatever control has the focus: a focused
// button would otherwise take Space for itself, and the list L.
LRESULT CALLBACK key_procedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                      DWORD_PTR stopwatch) {
    bool plain = GetKeyState(VK_CONTROL) >= 0;
    switch (message) {
    case WM_GETDLGCODE:
        if (const MSG* m = reinterpret_cast<const MSG*>(lparam); m && plain &&
            ((m->message == WM_KEYDOWN && is_key(m->wParam)) ||
             (m->message == WM_CHAR && is_key_character(m->wParam))))
            return DefSubclassProc(control, message, wparam, lparam) | DLGC_WANTMESSAGE;
        break;
    case WM_KEYDOWN:
        if (!plain || !is_key(wparam)) break;
        if (!(lparam & (1 << 30))) {  // not the key's repeat
            auto& self = *reinterpret_cast<StopwatchWindow*>(stopwatch);
            wparam == VK_SPACE ? self.press() : self.lap();
        }
        return 0;
    case WM_KEYUP:
        if (plain && is_key(wparam)) return 0;
        break;
    case WM_CHAR:
        if (plain && is_key_character(wparam)) return 0;
        break;
    }
    return DefSubclassProc(control, message, wparam, lparam);
}

void StopwatchWindow::take_keys_in_every_control() {
    for (HWND child = GetWindow(window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SetWindowSubclass(child, key_procedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

}  // namespace

bool stopwatch_large_text(int id) { return id == IDC_STOPWATCH_ELAPSED; }

std::unique_ptr<ToolWindow> make_stopwatch_window(HWND window) { return std::make_unique<StopwatchWindow>(window); }

}  // namespace quivra
