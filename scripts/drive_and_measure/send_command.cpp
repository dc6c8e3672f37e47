// Opens a tool of a running quivra.exe, takes the given steps in it and prints its rectangle.
#include <cstdio>

#include "scripts/drive_and_measure/probe_commands.h"
#include "scripts/drive_and_measure/process_windows.h"

namespace quivra {

namespace {

// Wine hands what a window painted on to the X server a little later.
constexpr DWORD drawing_delay_ms = 500;

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

int send_command(int command, const std::vector<Step>& steps) {
    HWND launcher = activated_launcher();
    if (!launcher) return 1;
    HWND opened = open_from(launcher, command);
    if (!opened) return 1;
    for (Step step : steps) {
        // An id no control has is a menu command; the window it opens is pictured instead.
        if (step.row >= 0) {
            if (!choose_row(opened, step.id, step.row)) return 1;
        } else if (GetDlgItem(opened, step.id)) {
            press(opened, step.id);
        } else if (!(opened = open_from(opened, step.id))) {
            return 1;
        }
    }
    repaint(opened);
    return print_rectangle(opened);
}

}  // namespace quivra
