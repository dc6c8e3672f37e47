// Staying on top: the window's z-order, its menu's check mark and its row in tarv.ini agree.
#include "base/win/topmost.h"

#include <vector>

#include "base/win/text.h"

namespace quivra {
namespace {

BOOL CALLBACK collect_owned(HWND candidate, LPARAM search) {
    auto& [owner, owned] = *reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(search);
    if (GetWindow(candidate, GW_OWNER) == owner) owned.push_back(candidate);
    return TRUE;
}

// Windows the window owns, such as the hidden calendars of its date pickers.
std::vector<HWND> owned_by(HWND window) {
    std::pair<HWND, std::vector<HWND>> search{window, {}};
    EnumThreadWindows(GetCurrentThreadId(), collect_owned, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// Wine lifts the owned windows first and then files their owner under them,
// outside the topmost band; for that moment they belong to no one. They
// still show above it afterwards, as owned windows do.
void show_topmost(HWND window, bool on) {
    std::vector<HWND> owned = owned_by(window);
    for (HWND w : owned) SetWindowLongPtrW(w, GWLP_HWNDPARENT, 0);
    SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (HWND w : owned) SetWindowLongPtrW(w, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(window));
    CheckMenuItem(GetSystemMenu(window, FALSE), IDM_TOPMOST,
                  MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

void offer_topmost(HWND window, int position, const WindowRows& windows) {
    HMENU menu = GetSystemMenu(window, FALSE);
    // A group of its own, so that a click meant for 閉じる does not land on it.
    InsertMenuW(menu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, IDM_TOPMOST,
                widen("常に手前に表示(&T)").c_str());
    InsertMenuW(menu, SC_CLOSE, MF_BYCOMMAND | MF_SEPARATOR, 0, nullptr);
    if (windows.topmost[position]) show_topmost(window, true);
}

bool toggle_topmost(HWND window, int position, WPARAM command, WindowRows& windows) {
    // Windows uses the low four bits of a system command itself.
    if ((command & 0xFFF0) != IDM_TOPMOST) return false;
    windows.topmost[position] = !windows.topmost[position];
    show_topmost(window, windows.topmost[position]);
    return true;
}

}  // namespace quivra
