// Finds the windows of a running quivra.exe and works its controls from outside.
#include "scripts/drive_and_measure/process_windows.h"

#include <algorithm>
#include <cstdio>

#include "app/launcher.h"

namespace quivra {

namespace {

// The first start in a new Wine prefix takes a while.
constexpr DWORD launcher_timeout_ms = 60000;
constexpr DWORD window_timeout_ms = 10000;
constexpr UINT click_timeout_ms = 5000;

struct Search {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM search_address) {
    auto& search = *reinterpret_cast<Search*>(search_address);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.process && IsWindowVisible(window)) search.found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> visible_windows(DWORD process) {
    Search search{process, {}};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

double milliseconds_since(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

HWND wait_for(const std::function<HWND()>& find, DWORD timeout_ms) {
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    for (;;) {
        if (HWND window = find()) return window;
        if (GetTickCount64() >= deadline) return nullptr;
        // Short, as the start-up timing relies on noticing the window promptly.
        Sleep(1);
    }
}

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

HWND open_from(HWND window, int command) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const std::vector<HWND> before = visible_windows(process);
    PostMessageW(window, WM_COMMAND, command, 0);
    HWND opened = wait_for(
        [&] {
            for (HWND window : visible_windows(process))
                if (std::find(before.begin(), before.end(), window) == before.end()) return window;
            return HWND{};
        },
        window_timeout_ms);
    if (!opened) std::fprintf(stderr, "Command %d opened no window.\n", command);
    return opened;
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

// As a user's choice in the list: the selection, then the notice its owner acts on.
bool choose_row(HWND window, int combo, int row) {
    HWND control = GetDlgItem(window, combo);
    if (!control || SendMessageW(control, CB_SETCURSEL, row, 0) != row) {
        std::fprintf(stderr, "The window has no combo box %d with a row %d.\n", combo, row);
        return false;
    }
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), LPARAM(control));
    return true;
}

}  // namespace quivra
