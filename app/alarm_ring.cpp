// The ring window: its texts, its sound repeated for a minute, and its two buttons.
#include "app/alarm_ring.h"

#include <windows.h>

#include "base/win/platform.h"
#include "base/win/text.h"
#include "res/dialogs/alarms.h"

namespace quivra {
namespace {

constexpr UINT sound_interval_ms = 5000;
constexpr std::uint64_t ringing_ms = 60000;

struct Ring {
    std::wstring sound;
    std::function<void()> snooze;
    std::uint64_t started_ms;
};

void stop(HWND window) {
    KillTimer(window, IDT_RING_SOUND);
    platform().flash(window, false);
    DestroyWindow(window);
}

INT_PTR CALLBACK ring_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lparam);
        return TRUE;
    }
    auto* ring = reinterpret_cast<Ring*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!ring) return FALSE;
    switch (message) {
    case WM_TIMER:
        if (wparam != IDT_RING_SOUND) return FALSE;
        if (platform().monotonic_ms() - ring->started_ms >= ringing_ms) KillTimer(window, IDT_RING_SOUND);
        else platform().play_sound(ring->sound);
        return TRUE;
    case WM_COMMAND:
        if (wparam == IDC_RING_SNOOZE) ring->snooze();
        if (wparam == IDC_RING_SNOOZE || wparam == IDC_RING_STOP || wparam == IDCANCEL) stop(window);
        return TRUE;
    case WM_CLOSE:
        stop(window);
        return TRUE;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, DWLP_USER, 0);
        delete ring;
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void show_ring(const AlarmEntry& alarm, LocalMinute at, LocalMinute now, std::function<void()> snooze) {
    auto* ring = new Ring{widen(alarm.sound), std::move(snooze), platform().monotonic_ms()};
    HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ALARM_RING), nullptr,
                                     ring_procedure, reinterpret_cast<LPARAM>(ring));
    if (!window) {
        delete ring;
        return;
    }
    set_item_text(window, IDC_RING_TITLE, ring_title(alarm, at, now));
    set_item_text(window, IDC_RING_MESSAGE, alarm.message);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    platform().play_sound(ring->sound);
    SetTimer(window, IDT_RING_SOUND, sound_interval_ms, nullptr);
    platform().flash(window, true);
}

}  // namespace quivra
