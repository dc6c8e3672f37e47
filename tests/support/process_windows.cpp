#include "tests/support/process_windows.h"

namespace quivra {

namespace {

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

HWND wait_for(const std::function<HWND()>& find, DWORD timeout_ms) {
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    for (;;) {
        if (HWND window = find()) return window;
        if (GetTickCount64() >= deadline) return nullptr;
        // Short, as the start-up timing relies on noticing the window promptly.
        Sleep(1);
    }
}

}  // namespace quivra
