// Times each tool of a running quivra.exe from the launcher's command to its window, shown and idle.
#include <cstdio>

#include "scripts/drive_and_measure/probe_commands.h"
#include "scripts/drive_and_measure/process_windows.h"

namespace quivra {

namespace {

constexpr DWORD idle_timeout_ms = 5000;
// The quickest user's click comes this long after the launcher shows; until
// about 150 ms after it, the launcher's own start is still being drawn.
constexpr DWORD settling_ms = 300;

}  // namespace

int time_openings(const std::vector<int>& commands) {
    HWND launcher = activated_launcher();
    if (!launcher) return 1;
    Sleep(settling_ms);
    for (int command : commands) {
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        HWND opened = open_from(launcher, command);
        if (!opened) return 1;
        // Answered once the window's thread has finished opening it and is waiting for input.
        DWORD_PTR ignored;
        SendMessageTimeoutW(opened, WM_NULL, 0, 0, SMTO_NORMAL, idle_timeout_ms, &ignored);
        std::printf("%d=%.1f\n", command, milliseconds_since(start));
        SendMessageTimeoutW(opened, WM_CLOSE, 0, 0, SMTO_NORMAL, idle_timeout_ms, &ignored);
    }
    return 0;
}

}  // namespace quivra
