// The timer's countdown on the monotonic clock, shown in the window and on the taskbar.
#include "tools/time/timer_countdown_dialog.h"

#include <string>
#include <utility>

#include "base/win/platform.h"
#include "base/win/private_messages.h"
#include "base/win/redraw_timer.h"
#include "base/win/text.h"
#include "res/dialogs/timer.h"
#include "tools/time/timer.h"

namespace quivra {
namespace {

Countdown countdown;
Alarm alarm;
// Between a start and its WM_BEGIN_COUNTING; a second such message does nothing.
bool begin_pending = false;
// The template's caption, which the time left follows while counting.
std::string own_caption;

// Only a changed caption is set, so the taskbar redraws once a second at most.
void show_caption(HWND dialog, const std::string& caption) {
    if (window_text(dialog) != caption) SetWindowTextW(dialog, widen(caption).c_str());
}

void show_time_left(HWND dialog, std::int64_t seconds) {
    show_caption(dialog, counting_caption(own_caption, seconds));
}

// The window timer only redraws; it falls due as the shown second changes.
void arm_redraw(HWND dialog) {
    redraw_in(dialog, IDT_COUNTDOWN, countdown.ms_to_next_second(platform().monotonic_ms()));
}

void ring(HWND dialog) {
    stop_countdown(dialog);
    platform().play_sound(widen(alarm.sound_path));
    platform().flash(dialog, true);
    platform().inform_in_front(dialog, alarm.message);
    platform().flash(dialog, false);
}

}  // namespace

bool counting() { return countdown.running(); }

void open_countdown(HWND dialog) {
    countdown = {};
    begin_pending = false;
    own_caption = window_text(dialog);
}

void start_countdown(HWND dialog, std::int64_t length_ms, Alarm alarm_to_ring) {
    countdown.start(length_ms, platform().monotonic_ms());
    alarm = std::move(alarm_to_ring);
    begin_pending = true;
    PostMessageW(dialog, WM_BEGIN_COUNTING, 0, 0);
}

void begin_countdown(HWND dialog) {
    if (!countdown.running() || !begin_pending) return;
    begin_pending = false;
    set_item_text(dialog, IDC_TIMER_STATUS, timer_counting_text);
    show_time_left(dialog, countdown.seconds_left(platform().monotonic_ms()));
    arm_redraw(dialog);
}

bool countdown_tick(HWND dialog) {
    if (!countdown.running()) return false;
    std::int64_t left = countdown.seconds_left(platform().monotonic_ms());
    if (left == 0) {
        ring(dialog);
        return true;
    }
    set_item_text(dialog, IDC_TIMER_STATUS, status_text(left));
    show_time_left(dialog, left);
    arm_redraw(dialog);
    return false;
}

void stop_countdown(HWND dialog) {
    countdown.stop();
    KillTimer(dialog, IDT_COUNTDOWN);
    show_caption(dialog, own_caption);
}

}  // namespace quivra
