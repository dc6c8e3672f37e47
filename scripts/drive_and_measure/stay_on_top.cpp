// Turns on 常に手前に表示 in a tool of the running program, and reads it back.
#include <cstdio>

#include "base/win/topmost.h"
#include "scripts/drive_and_measure/probe_commands.h"
#include "scripts/drive_and_measure/process_windows.h"

namespace quivra {

int stay_on_top(int command, bool toggle) {
    HWND launcher = activated_launcher();
    HWND tool = launcher ? open_from(launcher, command) : nullptr;
    if (!tool) return 1;
    if (toggle) SendMessageW(tool, WM_SYSCOMMAND, IDM_TOPMOST, 0);
    std::printf("topmost=%d\n", (GetWindowLongW(tool, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
    return 0;
}

}  // namespace quivra
