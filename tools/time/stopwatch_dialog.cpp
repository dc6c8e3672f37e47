// The stopwatch's window: starts and stops the engine and shows its reading.
#include "tools/time/stopwatch_dialog.h"

#include "base/win/display_font.h"
#include "base/win/frame.h"
#include "base/win/platform.h"
#include "base/win/text.h"
#include "res/dialogs/stopwatch.h"
#include "tools/time/stopwatch.h"

namespace quivra {
namespace {

constexpr UINT redraw_interval_ms = 100;
constexpr char closing_question[] = "ストップウォッチは作動中です。終了してよろしいですか？";

Stopwatch stopwatch;
HFONT display_font;

void show_reading(HWND dialog) {
    set_item_text(dialog, IDC_STOPWATCH_ELAPSED, stopwatch.reading(platform().monotonic_ms()));
}

void stop(HWND dialog) {
    stopwatch.stop(platform().monotonic_ms());
    KillTimer(dialog, IDT_STOPWATCH);
    show_reading(dialog);
}

void begin(HWND dialog) {
    if (!stopwatch.running()) return;
    SetTimer(dialog, IDT_STOPWATCH, redraw_interval_ms, nullptr);
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
    PostMessageW(dialog, WM_STOPWATCH_BEGIN, 0, 0);
}

// False when the user keeps it running; otherwise it has stopped.
bool may_close(HWND dialog) {
    if (!stopwatch.running()) return true;
    if (!platform().ask(dialog, closing_question)) return false;
    stop(dialog);
    return true;
}

}  // namespace

INT_PTR CALLBACK stopwatch_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        stopwatch = {};
        display_font = create_display_font();
        SendDlgItemMessageW(dialog, IDC_STOPWATCH_ELAPSED, WM_SETFONT, WPARAM(display_font), FALSE);
        return TRUE;
    case WM_COMMAND:
        if (wparam != IDC_STOPWATCH_BUTTON) return FALSE;
        press(dialog);
        return TRUE;
    case WM_STOPWATCH_BEGIN:
        begin(dialog);
        return TRUE;
    case WM_STOPWATCH_STOP:
        if (stopwatch.running()) stop(dialog);
        return TRUE;
    case WM_TIMER:
        if (wparam != IDT_STOPWATCH) return FALSE;
        if (stopwatch.running()) show_reading(dialog);
        return TRUE;
    case WM_CLOSE:
    case launcher_closing_message:
        return !may_close(dialog);
    case WM_DESTROY:
        KillTimer(dialog, IDT_STOPWATCH);
        stopwatch = {};
        DeleteObject(display_font);
        display_font = nullptr;
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
