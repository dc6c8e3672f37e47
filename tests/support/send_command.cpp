#include <algorithm>
#include <cstdio>

#include "app/launcher.h"
#include "tests/support/probe_commands.h"
#include "tests/support/process_windows.h"

namespace quivra {

namespace {

// The first start in a new Wine prefix takes a while.
constexpr DWORD launcher_timeout_ms = 60000;
constexpr DWORD window_timeout_ms = 10000;
constexpr UINT click_timeout_ms = 5000;
// Wine hands what a window painted on to the X server a little later.
constexpr DWORD drawing_delay_ms = 500;

// Made the active window, as it is for someone who has just started it,
// so that it and the windows it opens get active captions.  Wine makes a
// window on a new virtual desktop active before it makes it the foreground
// one, and so leaves its caption drawn as inactive until told otherwise.
HWND activated_launcher() {
    HWND launcher = wait_for(
        [] {
            HWND window = FindWindowW(nullptr, version_title);
            return window && IsWindowVisible(window) ? window : nullptr;
        },
        launcher_timeout_ms);
    if (!launcher) {
        std::fputs("The launcher did not appear.\n", stderr);
        return nullptr;
    }
    SetForegroundWindow(launcher);
    SendMessageW(launcher, WM_NCACTIVATE, TRUE, 0);
    return launcher;
}

// A button that opens a modal box keeps its click busy, hence the timeout.
bool press(HWND window, int button) {
    HWND control = GetDlgItem(window, button);
    if (!control) {
        std::fprintf(stderr, "The window has no control %d.\n", button);
        return false;
    }
    DWORD_PTR ignored;
    SendMessageTimeoutW(control, BM_CLICK, 0, 0, SMTO_NORMAL, click_timeout_ms, &ignored);
    return true;
}

// Paints the window and its frame now, in its own thread, and returns once done.
void repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(drawing_delay_ms);
}

int print_rectangle(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) {
        std::fputs("The window has closed.\n", stderr);
        return 1;
    }
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

}  // namespace

int print_launcher_rectangle() {
    HWND launcher = activated_launcher();
    if (!launcher) return 1;
    repaint(launcher);
    return print_rectangle(launcher);
}

int send_command(int command, const std::vector<int>& buttons) {
    HWND launcher = activated_launcher();
    if (!launcher) return 1;
    DWORD process = 0;
    GetWindowThreadProcessId(launcher, &process);
    const std::vector<HWND> before = visible_windows(process);
    PostMessageW(launcher, WM_COMMAND, command, 0);
    HWND opened = wait_for(
        [&] {
            for (HWND window : visible_windows(process))
                if (std::find(before.begin(), before.end(), window) == before.end()) return window;
            return HWND{};
        },
        window_timeout_ms);
    if (!opened) {
        std::fprintf(stderr, "Command %d opened no window.\n", command);
        return 1;
    }
    for (int button : buttons)
        if (!press(opened, button)) return 1;
    repaint(opened);
    return print_rectangle(opened);
}

}  // namespace quivra
