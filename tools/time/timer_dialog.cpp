// The countdown timer's window: forwards the user's settings to the engine, counts down and rings.
#include "tools/time/timer_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>

#include "base/win/closing_question.h"
#include "base/win/frame.h"
#include "base/win/pickers.h"
#include "base/win/platform.h"
#include "base/win/settings_store.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/timer.h"
#include "tools/time/timer_alarm_dialog.h"
#include "tools/time/timer.h"

namespace quivra {
namespace {

using Ids = std::initializer_list<int>;
constexpr Ids choice_controls = {IDC_AT_TIME,  IDC_HOURS_LATER, IDC_MINUTES_LATER, IDC_ALARM_FILE,
                                 IDC_BROWSE,   IDC_TRY_SOUND,   IDC_SHOW_MESSAGE,  IDC_TIMER_START};

Countdown countdown;
// The template's caption, which the time left follows while counting.
std::string own_caption;

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void enable(HWND dialog, Ids ids, bool on) {
    for (int id : ids) EnableWindow(GetDlgItem(dialog, id), on);
}

TimerMode mode(HWND dialog) {
    if (checked(dialog, IDC_AT_TIME)) return TimerMode::at_time;
    return checked(dialog, IDC_HOURS_LATER) ? TimerMode::hours_later : TimerMode::minutes_later;
}

void show_controls(HWND dialog) {
    TimerControls live = timer_controls(countdown.running(), mode(dialog), checked(dialog, IDC_SHOW_MESSAGE));
    enable(dialog, choice_controls, live.choices);
    enable(dialog, {IDC_RING_TIME, IDC_AT_TIME_LABEL}, live.ring_time);
    enable(dialog, {IDC_HOURS, IDC_HOURS_UPDOWN, IDC_HOURS_LABEL}, live.hours);
    enable(dialog, {IDC_MINUTES, IDC_MINUTES_UPDOWN, IDC_MINUTES_LABEL}, live.minutes);
    enable(dialog, {IDC_MESSAGE}, live.message);
    enable(dialog, {IDC_TIMER_CANCEL}, live.cancel);
}

// Only a changed caption is set, so the taskbar redraws once a second at most.
void show_caption(HWND dialog, const std::string& caption) {
    if (window_text(dialog) != caption) SetWindowTextW(dialog, widen(caption).c_str());
}

void open(HWND dialog) {
    countdown = {};
    own_caption = window_text(dialog);
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

// The window timer only redraws; it falls due as the shown second changes.
void arm_redraw(HWND dialog) {
    auto delay = std::max<std::int64_t>(countdown.ms_to_next_second(platform().monotonic_ms()), USER_TIMER_MINIMUM);
    SetTimer(dialog, IDT_COUNTDOWN, UINT(delay), nullptr);
}

void stop_counting(HWND dialog) {
    countdown.stop();
    KillTimer(dialog, IDT_COUNTDOWN);
    show_caption(dialog, own_caption);
}

void show_time_left(HWND dialog, std::int64_t seconds) {
    show_caption(dialog, counting_caption(own_caption, seconds));
}

void show_idle(HWND dialog) {
    show_controls(dialog);
    set_item_text(dialog, IDC_TIMER_STATUS, "");
}

void start(HWND dialog) {
    TimerStart answer = check_start({mode(dialog), clock_time(picked(dialog, IDC_RING_TIME)),
                                     clock_time(platform().local_time()), read_field(dialog, IDC_HOURS, 0, 99),
                                     read_field(dialog, IDC_MINUTES, 0, 99),
                                     alarm_is_a_file(dialog)});
    if (answer.keeps_alarm_path) keep_alarm_path(dialog);
    if (!answer.refusal.empty()) return platform().inform(dialog, answer.refusal);
    keep_message(dialog);
    countdown.start(answer.length_ms, platform().monotonic_ms());
    show_controls(dialog);
    PostMessageW(dialog, WM_COUNTDOWN_BEGIN, 0, 0);
}

void begin(HWND dialog) {
    if (!countdown.running()) return;
    set_item_text(dialog, IDC_TIMER_STATUS, timer_counting_text);
    show_time_left(dialog, countdown.seconds_left(platform().monotonic_ms()));
    arm_redraw(dialog);
}

void ring(HWND dialog) {
    stop_counting(dialog);
    platform().play_sound(widen(settings.alarm_path.to_save));
    platform().flash(dialog, true);
    platform().inform_in_front(dialog, settings.timer_message.to_save);
    platform().flash(dialog, false);
    show_idle(dialog);
}

void tick(HWND dialog) {
    if (!countdown.running()) return;
    std::int64_t left = countdown.seconds_left(platform().monotonic_ms());
    if (left == 0) return ring(dialog);
    set_item_text(dialog, IDC_TIMER_STATUS, status_text(left));
    show_time_left(dialog, left);
    arm_redraw(dialog);
}

void cancel(HWND dialog) {
    if (!countdown.running()) return;
    // Stopped before the box, so that no one asks about it while the box is up.
    stop_counting(dialog);
    platform().inform(dialog, timer_cancelled_text);
    show_idle(dialog);
}

bool command(HWND dialog, WPARAM wparam) {
    if (HIWORD(wparam) == 0) show_controls(dialog);
    if (alarm_command(dialog, wparam, countdown.running())) return true;
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
    case WM_COUNTDOWN_BEGIN:
        begin(dialog);
        return TRUE;
    case WM_COUNTDOWN_STOP:
        if (countdown.running()) {
            stop_counting(dialog);
            show_idle(dialog);
        }
        return TRUE;
    case WM_TIMER:
        if (wparam != IDT_COUNTDOWN) return FALSE;
        tick(dialog);
        return TRUE;
    case WM_CLOSE:
    case WM_LAUNCHER_CLOSING:
        return !may_close_counting(dialog, countdown.running(), timer_closing_question, stop_counting);
    case WM_DESTROY:
        stop_counting(dialog);
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
