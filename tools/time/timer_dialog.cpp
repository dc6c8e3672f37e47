// The countdown timer's window: its controls, forwarded to the engine, and its start and cancel.
#include "tools/time/timer_dialog.h"

#include <commctrl.h>

#include <initializer_list>

#include "base/win/closing_question.h"
#include "base/win/frame.h"
#include "base/win/pickers.h"
#include "base/win/platform.h"
#include "base/win/settings_store.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/timer.h"
#include "tools/time/timer.h"
#include "tools/time/timer_alarm_dialog.h"
#include "tools/time/timer_countdown_dialog.h"

namespace quivra {
namespace {

using Ids = std::initializer_list<int>;
constexpr Ids choice_controls = {IDC_AT_TIME,  IDC_HOURS_LATER, IDC_MINUTES_LATER, IDC_ALARM_FILE,
                                 IDC_BROWSE,   IDC_TRY_SOUND,   IDC_SHOW_MESSAGE,  IDC_TIMER_START};

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void enable(HWND dialog, Ids ids, bool on) {
    for (int id : ids) EnableWindow(GetDlgItem(dialog, id), on);
}

TimerMode mode(HWND dialog) {
    if (checked(dialog, IDC_AT_TIME)) return TimerMode::at_time;
    return checked(dialog, IDC_HOURS_LATER) ? TimerMode::hours_later : TimerMode::minutes_later;
}

void show_controls(HWND dialog) {
    TimerControls live = timer_controls(counting(), mode(dialog), checked(dialog, IDC_SHOW_MESSAGE));
    enable(dialog, choice_controls, live.choices);
    enable(dialog, {IDC_RING_TIME, IDC_AT_TIME_LABEL}, live.ring_time);
    enable(dialog, {IDC_HOURS, IDC_HOURS_UPDOWN, IDC_HOURS_LABEL}, live.hours);
    enable(dialog, {IDC_MINUTES, IDC_MINUTES_UPDOWN, IDC_MINUTES_LABEL}, live.minutes);
    enable(dialog, {IDC_MESSAGE}, live.message);
    enable(dialog, {IDC_TIMER_CANCEL}, live.cancel);
}

void show_idle(HWND dialog) {
    show_controls(dialog);
    set_item_text(dialog, IDC_TIMER_STATUS, "");
}

void open(HWND dialog) {
    open_countdown(dialog);
    CheckRadioButton(dialog, IDC_AT_TIME, IDC_MINUTES_LATER, IDC_AT_TIME);
    SYSTEMTIME now = platform().local_time();
    set_up_picker(dialog, IDC_RING_TIME, time_format, &now);
    set_up_spin_field(dialog, IDC_HOURS, IDC_HOURS_UPDOWN, 1, 99);
    set_up_spin_field(dialog, IDC_MINUTES, IDC_MINUTES_UPDOWN, 1, 99);
    SetDlgItemInt(dialog, IDC_HOURS, 1, FALSE);
    SetDlgItemInt(dialog, IDC_MINUTES, 3, FALSE);
    open_alarm_fields(dialog);
    show_controls(dialog);
}

ClockTime clock_time(const SYSTEMTIME& time) { return {time.wHour, time.wMinute, time.wSecond, time.wMilliseconds}; }

void start(HWND dialog) {
    TimerStart answer = check_start({mode(dialog), clock_time(picked(dialog, IDC_RING_TIME)),
                                     clock_time(platform().local_time()), read_field(dialog, IDC_HOURS, 0, 99),
                                     read_field(dialog, IDC_MINUTES, 0, 99), alarm_is_a_file(dialog)});
    if (answer.keeps_alarm_path) keep_alarm_path(dialog);
    if (!answer.refusal.empty()) return platform().inform(dialog, answer.refusal);
    keep_message(dialog);
    start_countdown(dialog, answer.length_ms,
                    alarm_at_start(settings.alarm_path.to_save, settings.timer_message_shown.to_save,
                                   settings.timer_message.to_save));
    show_controls(dialog);
}

void cancel(HWND dialog) {
    if (!counting()) return;
    // Stopped before the box, so that no one asks about it while the box is up.
    stop_countdown(dialog);
    platform().inform(dialog, timer_cancelled_text);
    show_idle(dialog);
}

bool command(HWND dialog, WPARAM wparam) {
    if (HIWORD(wparam) == 0) show_controls(dialog);
    if (alarm_command(dialog, wparam, counting())) return true;
    switch (wparam) {
    case IDC_TIMER_START: start(dialog); return true;
    case IDC_TIMER_CANCEL: cancel(dialog); return true;
    case IDC_AT_TIME:
    case IDC_HOURS_LATER:
    case IDC_MINUTES_LATER:
    case IDC_SHOW_MESSAGE: return true;  // the enabling rule has done their work
    }
    return false;
}

}  // namespace

INT_PTR CALLBACK timer_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        open(dialog);
        return TRUE;
    case WM_COMMAND:
        return command(dialog, wparam);
    case WM_BEGIN_COUNTING:
        begin_countdown(dialog);
        return TRUE;
    case WM_TIMER:
        if (wparam != IDT_COUNTDOWN) return FALSE;
        if (countdown_tick(dialog)) show_idle(dialog);
        return TRUE;
    case WM_CLOSE:
    case WM_LAUNCHER_CLOSING:
        return !may_close_counting(dialog, counting(), timer_closing_question, stop_countdown);
    case WM_DESTROY:
        stop_countdown(dialog);
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
