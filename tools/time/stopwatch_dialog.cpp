// The stopwatch's window: starts and stops the engine and shows its reading.
#include "tools/time/stopwatch_dialog.h"

#include <commctrl.h>

#include <iterator>

#include "base/win/closing_question.h"
#include "base/win/frame.h"
#include "base/win/platform.h"
#include "base/win/redraw_timer.h"
#include "base/win/text.h"
#include "res/dialogs/stopwatch.h"
#include "tools/time/stopwatch.h"

namespace quivra {
namespace {

constexpr char closing_question[] = "ストップウォッチは作動中です。終了してよろしいですか？";

Stopwatch stopwatch;
// Between a start and its WM_BEGIN_COUNTING: a second such message, from
// whatever sender, must not show a new start time.
bool begin_pending = false;

// Lap, then total: wide enough for "1時間 0分 0.0秒".
constexpr int lap_tab_stops[] = {20, 80};

void show_reading(HWND dialog) {
    set_item_text(dialog, IDC_STOPWATCH_ELAPSED, stopwatch.reading(platform().monotonic_ms()));
}

// A steady 100 ms timer arrives late and drifts past whole tenths; each
// redraw is timed for the next tenth instead, so that every tenth shows.
void arm_redraw(HWND dialog) {
    redraw_in(dialog, IDT_STOPWATCH, stopwatch.ms_to_next_tenth(platform().monotonic_ms()));
}

// Focus leaves the lap button before it is disabled, or the keys go nowhere.
void allow_laps(HWND dialog, bool allowed) {
    HWND lap = GetDlgItem(dialog, IDC_STOPWATCH_LAP);
    if (!allowed && GetFocus() == lap)
        SendMessageW(dialog, WM_NEXTDLGCTL, WPARAM(GetDlgItem(dialog, IDC_STOPWATCH_BUTTON)), TRUE);
    EnableWindow(lap, allowed);
}

void show_laps(HWND dialog) { show_lines(dialog, IDC_STOPWATCH_LAPS, stopwatch.laps()); }

void stop(HWND dialog) {
    stopwatch.stop(platform().monotonic_ms());
    allow_laps(dialog, false);
    KillTimer(dialog, IDT_STOPWATCH);
    show_reading(dialog);
}

void begin(HWND dialog) {
    if (!stopwatch.running() || !begin_pending) return;
    begin_pending = false;
    arm_redraw(dialog);
    set_item_text(dialog, IDC_STOPWATCH_LABEL, "開始時刻");
    SYSTEMTIME now = platform().local_time();
    set_item_text(dialog, IDC_STOPWATCH_START_TIME, start_time_text(now.wHour, now.wMinute, now.wSecond));
    set_item_text(dialog, IDC_STOPWATCH_ELAPSED, "0");
}

void press(HWND dialog) {
    if (stopwatch.running()) {
        stop(dialog);
        return;
    }
    stopwatch.start(platform().monotonic_ms());
    show_laps(dialog);
    allow_laps(dialog, true);
    begin_pending = true;
    PostMessageW(dialog, WM_BEGIN_COUNTING, 0, 0);
}

void lap(HWND dialog) {
    if (!stopwatch.running()) return;
    stopwatch.lap(platform().monotonic_ms());
    show_laps(dialog);
}

bool is_key(WPARAM key) { return key == VK_SPACE || key == 'L'; }
bool is_key_character(WPARAM c) { return c == ' ' || c == 'l' || c == 'L'; }

// Space and L reach the window whatever control has the focus: a focused
// button would otherwise take Space for itself, and the list L.
LRESULT CALLBACK key_procedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                               UINT_PTR, DWORD_PTR) {
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
            HWND dialog = GetParent(control);
            wparam == VK_SPACE ? press(dialog) : lap(dialog);
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

void take_keys_in_every_control(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SetWindowSubclass(child, key_procedure, 0, 0);
}

}  // namespace

bool stopwatch_large_text(int id) { return id == IDC_STOPWATCH_ELAPSED; }

INT_PTR CALLBACK stopwatch_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        stopwatch = {};
        begin_pending = false;
        SendDlgItemMessageW(dialog, IDC_STOPWATCH_LAPS, LB_SETTABSTOPS, std::size(lap_tab_stops),
                            LPARAM(lap_tab_stops));
        take_keys_in_every_control(dialog);
        return TRUE;
    case WM_COMMAND:
        if (wparam == IDC_STOPWATCH_BUTTON) press(dialog);
        else if (wparam == IDC_STOPWATCH_LAP) lap(dialog);
        else return FALSE;
        return TRUE;
    case WM_BEGIN_COUNTING:
        begin(dialog);
        return TRUE;
    case WM_TIMER:
        if (wparam != IDT_STOPWATCH) return FALSE;
        if (!stopwatch.running()) return TRUE;
        show_reading(dialog);
        arm_redraw(dialog);
        return TRUE;
    case WM_CLOSE:
    case WM_LAUNCHER_CLOSING:
        return !may_close_counting(dialog, stopwatch.running(), closing_question, stop);
    case WM_DESTROY:
        KillTimer(dialog, IDT_STOPWATCH);
        stopwatch = {};
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
