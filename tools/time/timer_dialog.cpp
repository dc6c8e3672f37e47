// The countdown timer's window: checks a start, counts down and rings.
#include "tools/time/timer_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "base/win/frame.h"
#include "base/win/platform.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/timer.h"
#include "tools/time/countdown.h"
#include "tools/time/timer_values.h"

namespace quivra {
namespace {

constexpr char closing_question[] = "タイマーは作動中です。終了してよろしいですか？";
constexpr char too_soon[] = "最低１０秒以上の時刻でタイマーをセットして下さい。";
constexpr char no_alarm_file[] = "指定されたアラームファイルは存在しません。";
constexpr char cancelled[] = "タイマーはキャンセルされました。";
constexpr char counting[] = "タイマー作動中....";
constexpr wchar_t wave_filter[] = L"WAVE files ( *.wav )\0*.wav\0";

using Ids = std::initializer_list<int>;
constexpr Ids time_of_day_controls = {IDC_RING_TIME, IDC_AT_TIME_LABEL};
constexpr Ids hours_controls = {IDC_HOURS, IDC_HOURS_UPDOWN, IDC_HOURS_LABEL};
constexpr Ids minutes_controls = {IDC_MINUTES, IDC_MINUTES_UPDOWN, IDC_MINUTES_LABEL};
constexpr Ids idle_controls = {IDC_AT_TIME,  IDC_HOURS_LATER, IDC_MINUTES_LATER, IDC_ALARM_FILE,
                               IDC_BROWSE,   IDC_TRY_SOUND,   IDC_SHOW_MESSAGE,  IDC_TIMER_START};

Countdown countdown;
// The template's caption, which the time left follows while counting.
std::string own_caption;

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void enable(HWND dialog, Ids ids, bool on) {
    for (int id : ids) EnableWindow(GetDlgItem(dialog, id), on);
}

void apply_idle_rule(HWND dialog) {
    if (countdown.running()) return;
    enable(dialog, time_of_day_controls, checked(dialog, IDC_AT_TIME));
    enable(dialog, hours_controls, checked(dialog, IDC_HOURS_LATER));
    enable(dialog, minutes_controls, checked(dialog, IDC_MINUTES_LATER));
    enable(dialog, {IDC_MESSAGE}, checked(dialog, IDC_SHOW_MESSAGE));
    enable(dialog, {IDC_TIMER_CANCEL}, false);
}

void show_running(HWND dialog) {
    for (Ids ids : {idle_controls, time_of_day_controls, hours_controls, minutes_controls, Ids{IDC_MESSAGE}})
        enable(dialog, ids, false);
    enable(dialog, {IDC_TIMER_CANCEL}, true);
}

// Only a changed caption is set, so the taskbar redraws once a second at most.
void show_caption(HWND dialog, const std::string& caption) {
    if (window_text(dialog) != caption) SetWindowTextW(dialog, widen(caption).c_str());
}

void show_idle(HWND dialog) {
    enable(dialog, idle_controls, true);
    apply_idle_rule(dialog);
    set_item_text(dialog, IDC_TIMER_STATUS, "");
}

void open(HWND dialog) {
    countdown = {};
    own_caption = window_text(dialog);
    CheckRadioButton(dialog, IDC_AT_TIME, IDC_MINUTES_LATER, IDC_AT_TIME);
    SendDlgItemMessageW(dialog, IDC_RING_TIME, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH:mm:ss"));
    SYSTEMTIME now = platform().local_time();
    SendDlgItemMessageW(dialog, IDC_RING_TIME, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&now));
    for (int updown : {IDC_HOURS_UPDOWN, IDC_MINUTES_UPDOWN})
        SendDlgItemMessageW(dialog, updown, UDM_SETRANGE, 0, MAKELPARAM(99, 1));
    for (int field : {IDC_HOURS, IDC_MINUTES}) SendDlgItemMessageW(dialog, field, EM_LIMITTEXT, 2, 0);
    SetDlgItemInt(dialog, IDC_HOURS, 1, FALSE);
    SetDlgItemInt(dialog, IDC_MINUTES, 3, FALSE);
    SendDlgItemMessageW(dialog, IDC_ALARM_FILE, EM_LIMITTEXT, alarm_max_bytes, 0);
    SendDlgItemMessageW(dialog, IDC_MESSAGE, EM_LIMITTEXT, tmsg_max_bytes, 0);
    set_item_text(dialog, IDC_ALARM_FILE, settings.alarm.to_save);
    CheckDlgButton(dialog, IDC_SHOW_MESSAGE, settings.tmsg_sw.to_save ? BST_CHECKED : BST_UNCHECKED);
    set_item_text(dialog, IDC_MESSAGE, settings.tmsg.to_save);
    apply_idle_rule(dialog);
}

ClockTime clock_time(const SYSTEMTIME& time) {
    return {time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
}

// A directory or a wildcard pattern would start a countdown that cannot sound.
bool is_file(const std::string& cp932_path) {
    DWORD attributes = GetFileAttributesW(widen(cp932_path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void keep_alarm_path(HWND dialog) {
    settings.alarm.to_save = cut_to_bytes(item_text(dialog, IDC_ALARM_FILE), alarm_max_bytes);
}

std::optional<std::int64_t> chosen_length_ms(HWND dialog) {
    if (checked(dialog, IDC_AT_TIME)) {
        SYSTEMTIME ring_at{};
        SendDlgItemMessageW(dialog, IDC_RING_TIME, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&ring_at));
        ring_at.wMilliseconds = 0;
        return countdown_to(clock_time(ring_at), clock_time(platform().local_time()));
    }
    if (checked(dialog, IDC_HOURS_LATER)) return read_field(dialog, IDC_HOURS, 0, 99) * 3'600'000LL;
    return read_field(dialog, IDC_MINUTES, 0, 99) * 60'000LL;
}

// The window timer only redraws; it falls due as the shown second changes.
void arm_redraw(HWND dialog) {
    auto delay = std::max<std::int64_t>(countdown.ms_to_next_second(platform().monotonic_ms()),
                                        USER_TIMER_MINIMUM);
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

void start(HWND dialog) {
    std::optional<std::int64_t> length_ms = chosen_length_ms(dialog);
    if (!length_ms) return platform().inform(dialog, too_soon);
    keep_alarm_path(dialog);
    if (!is_file(settings.alarm.to_save)) return platform().inform(dialog, no_alarm_file);
    settings.tmsg_sw.to_save = checked(dialog, IDC_SHOW_MESSAGE);
    if (settings.tmsg_sw.to_save)
        settings.tmsg.to_save = cut_to_bytes(item_text(dialog, IDC_MESSAGE), tmsg_max_bytes);
    countdown.start(*length_ms, platform().monotonic_ms());
    show_running(dialog);
    PostMessageW(dialog, WM_COUNTDOWN_BEGIN, 0, 0);
}

void begin(HWND dialog) {
    if (!countdown.running()) return;
    set_item_text(dialog, IDC_TIMER_STATUS, counting);
    show_time_left(dialog, countdown.seconds_left(platform().monotonic_ms()));
    arm_redraw(dialog);
}

void ring(HWND dialog) {
    stop_counting(dialog);
    platform().play_sound(widen(settings.alarm.to_save));
    platform().flash(dialog, true);
    platform().inform_in_front(dialog, settings.tmsg.to_save);
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
    platform().inform(dialog, cancelled);
    show_idle(dialog);
}

void try_sound(HWND dialog) {
    keep_alarm_path(dialog);
    platform().play_sound(widen(settings.alarm.to_save));
}

void browse(HWND dialog) {
    std::optional<std::wstring> chosen = platform().choose_file_to_open(
        dialog, widen("音ファイルの参照 どのファイル？"), {wave_filter, std::size(wave_filter) - 1},
        L"wav");
    if (!chosen) return;
    std::string path = narrow(*chosen);
    std::string_view refusal = alarm_path_refusal(path, widen(path) == *chosen);
    if (!refusal.empty()) return platform().inform(dialog, refusal);
    set_item_text(dialog, IDC_ALARM_FILE, path);
}

// False when the user keeps it counting; otherwise it has stopped.
bool may_close(HWND dialog) {
    if (!countdown.running()) return true;
    if (!platform().ask(dialog, closing_question)) return false;
    stop_counting(dialog);
    return true;
}

bool command(HWND dialog, WPARAM id) {
    switch (id) {
    case IDC_TIMER_START: start(dialog); return true;
    case IDC_TIMER_CANCEL: cancel(dialog); return true;
    case IDC_TRY_SOUND: try_sound(dialog); return true;
    case IDC_BROWSE: browse(dialog); return true;
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
        if (HIWORD(wparam) == 0) apply_idle_rule(dialog);
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
    case launcher_closing_message:
        return !may_close(dialog);
    case WM_DESTROY:
        stop_counting(dialog);
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
