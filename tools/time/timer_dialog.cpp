// The countdown timer's window: its controls forwarded to the engine, the
// countdown shown in the status line and the caption, and the ring.
#include "tools/time/timer_dialog.h"

#include <commctrl.h>

#include <initializer_list>
#include <string>

#include "base/win/closing_question.h"
#include "base/win/kept_text_field.h"
#include "base/win/pickers.h"
#include "base/win/platform.h"
#include "base/win/redraw_timer.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/timer.h"
#include "tools/time/timer.h"
#include "tools/time/sound_file_field_dialog.h"
#include "tools/time/timer_presets_dialog.h"

namespace quivra {
namespace {

using Ids = std::initializer_list<int>;
constexpr Ids choice_controls = {IDC_AT_TIME,      IDC_HOURS_LATER,     IDC_MINUTES_LATER, IDC_ALARM_FILE,
                                 IDC_BROWSE,       IDC_TRY_SOUND,       IDC_SHOW_MESSAGE,  IDC_TIMER_START,
                                 IDC_TIMER_PRESET, IDC_PRESET_REGISTER, IDC_PRESET_REMOVE};

ClockTime clock_time(const SYSTEMTIME& time) { return {time.wHour, time.wMinute, time.wSecond, time.wMilliseconds}; }

class TimerWindow final : public ToolWindow {
public:
    TimerWindow(HWND window, TimerKept& kept)
        : ToolWindow(window), kept_(kept), sound_(window, IDC_ALARM_FILE), presets_(window, kept.presets) {}

    INT_PTR handle(UINT message, WPARAM wparam, LPARAM) override {
        switch (message) {
        case WM_INITDIALOG:
            open();
            break;
        case WM_COMMAND:
            if (!command(wparam)) return FALSE;
            break;
        case WM_BEGIN_COUNTING:
            if (!countdown_.running() || !begin_pending_) return TRUE;
            begin_pending_ = false;
            status_ = timer_counting_text;
            break;
        case WM_TIMER:
            if (wparam != IDT_COUNTDOWN) return FALSE;
            tick();
            break;
        case WM_IS_COUNTING:
            return countdown_.running();
        case WM_LAUNCHER_CLOSING:
            // Agreed already, in the one question for every running timer.
            if (wparam) {
                stop();
                return FALSE;
            }
            [[fallthrough]];
        case WM_CLOSE:
            return !may_close_counting(window(), countdown_.running(), timer_closing_question, [&] { stop(); });
        case WM_DESTROY:
            KillTimer(window(), IDT_COUNTDOWN);
            return TRUE;
        default:
            return FALSE;
        }
        show();
        return TRUE;
    }

private:
    bool checked(int id) const { return IsDlgButtonChecked(window(), id) == BST_CHECKED; }

    void enable(Ids ids, bool on) {
        for (int id : ids) EnableWindow(GetDlgItem(window(), id), on);
    }

    TimerMode mode() const {
        if (checked(IDC_AT_TIME)) return TimerMode::at_time;
        return checked(IDC_HOURS_LATER) ? TimerMode::hours_later : TimerMode::minutes_later;
    }

    void keep_alarm_path() { kept_.alarm_path = sound_.path(); }

    void keep_message() {
        kept_.message_shown = checked(IDC_SHOW_MESSAGE);
        if (kept_.message_shown) kept_.message = item_text(window(), IDC_MESSAGE);
    }

    void open() override {
        own_caption_ = window_text(window());
        CheckRadioButton(window(), IDC_AT_TIME, IDC_MINUTES_LATER, IDC_AT_TIME);
        SYSTEMTIME now = platform().local_time();
        set_up_picker(window(), IDC_RING_TIME, time_format, &now);
        set_up_spin_field(window(), IDC_HOURS, IDC_HOURS_UPDOWN, 1, 99);
        set_up_spin_field(window(), IDC_MINUTES, IDC_MINUTES_UPDOWN, 1, 99);
        SetDlgItemInt(window(), IDC_HOURS, 1, FALSE);
        SetDlgItemInt(window(), IDC_MINUTES, 3, FALSE);
        sound_.open(kept_.alarm_path);
        SendDlgItemMessageW(window(), IDC_MESSAGE, EM_LIMITTEXT, timer_message_max_bytes, 0);
        message_field_.attach(GetDlgItem(window(), IDC_MESSAGE));
        CheckDlgButton(window(), IDC_SHOW_MESSAGE, kept_.message_shown ? BST_CHECKED : BST_UNCHECKED);
        set_item_text(window(), IDC_MESSAGE, kept_.message);
        presets_.open();
    }

    // True for the commands the window takes; the enabling rule then shows them.
    bool command(WPARAM wparam) override {
        if (presets_.command(wparam)) return true;
        switch (wparam) {
        // While counting, the status line shows the time left, not why a text was refused.
        case MAKEWPARAM(IDC_ALARM_FILE, EN_CHANGE):
        case MAKEWPARAM(IDC_MESSAGE, EN_CHANGE): {
            std::string_view refusal = LOWORD(wparam) == IDC_ALARM_FILE ? sound_.check() : message_field_.check();
            if (!countdown_.running()) status_ = refusal;
            return true;
        }
        case IDC_TRY_SOUND:
            keep_alarm_path();
            platform().play_sound(widen(kept_.alarm_path));
            return true;
        case IDC_BROWSE: sound_.browse(); return true;
        case IDC_TIMER_START: start(); return true;
        case IDC_TIMER_CANCEL:
            if (!countdown_.running()) return true;
            // Stopped before the box, so that no one asks about it while the box is up.
            stop();
            platform().inform(window(), timer_cancelled_text);
            status_.clear();
            return true;
        case IDC_AT_TIME:
        case IDC_HOURS_LATER:
        case IDC_MINUTES_LATER:
        case IDC_SHOW_MESSAGE: return true;
        }
        return false;
    }

    void start() {
        TimerStart answer = check_start({mode(), clock_time(picked(window(), IDC_RING_TIME)),
                                         clock_time(platform().local_time()), read_field(window(), IDC_HOURS, 0, 99),
                                         read_field(window(), IDC_MINUTES, 0, 99),
                                         sound_.can_sound()});
        if (answer.keeps_alarm_path) keep_alarm_path();
        if (!answer.refusal.empty()) return platform().inform(window(), answer.refusal);
        keep_message();
        alarm_ = alarm_at_start(kept_.alarm_path, kept_.message_shown, kept_.message);
        const TimerPreset* preset = presets_.chosen();
        alarm_.message = rang_text(preset ? preset->name : "", window_number(window()), alarm_.message);
        countdown_.start(answer.length_ms, platform().monotonic_ms());
        begin_pending_ = true;
        PostMessageW(window(), WM_BEGIN_COUNTING, 0, 0);
    }

    void tick() {
        if (!countdown_.running()) return;
        std::int64_t left = countdown_.seconds_left(platform().monotonic_ms());
        if (left > 0) {
            status_ = status_text(left);
            return;
        }
        stop();
        status_.clear();
        platform().play_sound(widen(alarm_.sound_path));
        platform().flash(window(), true);
        platform().inform_in_front(window(), alarm_.message);
        platform().flash(window(), false);
    }

    // Stops without a word, and the window's own caption comes back at once.
    void stop() {
        countdown_.stop();
        KillTimer(window(), IDT_COUNTDOWN);
        show();
    }

    // All the window shows that changes: which controls take input, the
    // status line and the caption, which follows the time left so that a
    // minimised timer reads from the taskbar. Only a changed caption is set,
    // so the taskbar redraws once a second at most.
    void show() {
        TimerControls live = timer_controls(countdown_.running(), mode(), checked(IDC_SHOW_MESSAGE));
        enable(choice_controls, live.choices);
        enable({IDC_RING_TIME, IDC_AT_TIME_LABEL}, live.ring_time);
        enable({IDC_HOURS, IDC_HOURS_UPDOWN, IDC_HOURS_LABEL}, live.hours);
        enable({IDC_MINUTES, IDC_MINUTES_UPDOWN, IDC_MINUTES_LABEL}, live.minutes);
        enable({IDC_MESSAGE}, live.message);
        enable({IDC_TIMER_CANCEL}, live.cancel);
        if (item_text(window(), IDC_TIMER_STATUS) != status_) set_item_text(window(), IDC_TIMER_STATUS, status_);
        std::string caption = own_caption_;
        // The next redraw falls due as the shown second changes.
        if (countdown_.running() && !begin_pending_) {
            std::uint64_t now = platform().monotonic_ms();
            caption = counting_caption(own_caption_, countdown_.seconds_left(now));
            redraw_in(window(), IDT_COUNTDOWN, countdown_.ms_to_next_second(now));
        }
        if (window_text(window()) != caption) SetWindowTextW(window(), widen(caption).c_str());
    }

    TimerKept& kept_;
    Countdown countdown_;
    Alarm alarm_;  // what this countdown rings with
    // Between a start and its WM_BEGIN_COUNTING; a second such message does nothing.
    bool begin_pending_ = false;
    std::string status_;
    // The template's caption, which the time left follows while counting.
    std::string own_caption_;
    SoundFileField sound_;
    KeptTextField message_field_{message_text_refusal};
    PresetChoice presets_;
};

}  // namespace

std::unique_ptr<ToolWindow> make_timer_window(HWND window, TimerKept& kept) {
    return std::make_unique<TimerWindow>(window, kept);
}

}  // namespace quivra
