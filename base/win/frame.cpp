// The tool window frame: slots, placement and the closing of tools.
#include "base/win/frame.h"

#include <commctrl.h>

#include "base/centring.h"
#include "base/on_screen.h"
#include "base/win/copying.h"
#include "base/win/display_font.h"
#include "base/win/dpi.h"
#include "base/win/pickers.h"
#include "base/win/icons.h"
#include "base/win/topmost.h"
#include "base/win/whole_rows.h"

namespace quivra {

std::array<HWND, position_rows> tool_windows{};

void centre_window(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    Position centre = centred_position(width, height, GetSystemMetrics(SM_CXSCREEN),
                                       GetSystemMetrics(SM_CYSCREEN));
    MoveWindow(window, centre.left, centre.top, width, height, TRUE);
}

void keep_on_screen(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT& work = monitor.rcWork;
    Position onto = onto_work_area({r.left, r.top, r.right, r.bottom}, {work.left, work.top, work.right, work.bottom});
    if (onto != Position{r.left, r.top})
        SetWindowPos(window, nullptr, onto.left, onto.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void follow_dpi_change(HWND window, WPARAM dpis, LPARAM suggested_place) {
    const RECT& r = *reinterpret_cast<const RECT*>(suggested_place);
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    show_icons_at_dpi(window, HIWORD(dpis));
}

// A destroyed window or a failed query would keep a rectangle nobody measured.
void save_position(int position, HWND window, WindowRows& windows) {
    RECT r;
    if (IsWindow(window) && GetWindowRect(window, &r))
        windows.positions[position] = {r.left, r.top};
}

INT_PTR ToolWindow::handle(UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        open();
        return TRUE;
    case WM_COMMAND:
        return command(wparam);
    case WM_COPY:
        copy();
        return TRUE;
    }
    return FALSE;
}

namespace {

// All the frame keeps of one open window, in the window itself.
struct OpenWindow {
    const Tool& tool;
    Settings& settings;  // the launcher's, of which the tool sees its own part
    std::unique_ptr<ToolWindow> own;
    HFONT display_font = nullptr;  // null for a tool that shows none

    ~OpenWindow() {
        if (display_font) DeleteObject(display_font);
    }
    INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam) { return own->handle(message, wparam, lparam); }
};

OpenWindow* open_window(HWND window) { return reinterpret_cast<OpenWindow*>(GetWindowLongPtrW(window, DWLP_USER)); }

void renew_large_text(HWND window, OpenWindow& open, int dpi) {
    if (open.tool.large_text)
        open.display_font = renew_display_font(open.display_font, window, dpi, open.tool.large_text);
}

void place(HWND window, const Position& saved) {
    if (saved.left != 0 || saved.top != 0)
        SetWindowPos(window, nullptr, saved.left, saved.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    else
        centre_window(window);
    keep_on_screen(window);
}

// What WM_INITDIALOG receives: the row to open and the settings it keeps its part in.
struct Opening {
    const Tool& tool;
    Settings& settings;
};

INT_PTR CALLBACK tool_frame_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        const auto& [tool, settings] = *reinterpret_cast<const Opening*>(lparam);
        auto* open = new OpenWindow{tool, settings, tool.make_window(window, settings)};
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(open));
        tool_windows[tool.position] = window;
        // On top before it shows, so that it never appears among the others first.
        offer_topmost(window, tool.position, settings.windows);
        place(window, settings.windows.positions[tool.position]);
        show_icons_at_dpi(window, window_dpi(window));
        renew_large_text(window, *open, window_dpi(window));
        open->handle(message, wparam, 0);
        fit_lists_to_whole_rows(window);
        return TRUE;
    }
    OpenWindow* open = open_window(window);
    if (!open) return FALSE;
    const Tool& tool = open->tool;
    switch (message) {
    case WM_CLOSE:
        if (open->handle(message, wparam, lparam)) return TRUE;
        tool_windows[tool.position] = nullptr;
        save_position(tool.position, window, open->settings.windows);
        DestroyWindow(window);
        return TRUE;
    case WM_COMMAND:
        for (const Companion& companion : tool.companions)
            if (companion.tool && wparam == WPARAM(companion.command)) {
                open_tool(*companion.tool, open->settings);
                return TRUE;
            }
        if (!open->handle(message, wparam, lparam) && wparam == IDM_EXIT) PostMessageW(window, WM_CLOSE, 0, 0);
        return TRUE;
    case WM_LAUNCHER_CLOSING:
        SetWindowLongPtrW(window, DWLP_MSGRESULT, open->handle(message, wparam, lparam));
        return TRUE;
    // The last message: the tool's own state goes with its window.
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, DWLP_USER, 0);
        delete open;
        return TRUE;
    case WM_DPICHANGED:
        follow_dpi_change(window, wparam, lparam);
        // The dialog manager sends every control the dialog's own font as it
        // lays them out, so a tool's fonts are renewed only afterwards.
        PostMessageW(window, WM_DPI_RENEW, HIWORD(wparam), 0);
        return FALSE;
    case WM_DPI_RENEW:
        renew_large_text(window, *open, int(wparam));
        open->handle(message, wparam, lparam);
        fit_lists_to_whole_rows(window);
        return TRUE;
    case WM_SYSCOMMAND:
        return toggle_topmost(window, tool.position, wparam, open->settings.windows) || open->handle(message, wparam, lparam);
    // The tool answers first, so that a calendar of its own can show other days than the holidays.
    case WM_NOTIFY:
        return open->handle(message, wparam, lparam) || show_holidays(*reinterpret_cast<const NMHDR*>(lparam));
    case WM_CONTEXTMENU:
        return offer_copy_menu(window, wparam, lparam) || open->handle(message, wparam, lparam);
    default:
        return open->handle(message, wparam, lparam);
    }
}

// The launcher shows none of these classes, so it starts without them.
void initialise_common_controls() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES | ICC_USEREX_CLASSES |
                                                         ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
        return InitCommonControlsEx(&classes);
    }();
    (void)done;
}

}  // namespace

void open_tool(const Tool& tool, Settings& settings) {
    if (HWND open = tool_windows[tool.position]) {
        SetForegroundWindow(open);
        return;
    }
    initialise_common_controls();
    const Opening opening{tool, settings};
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(tool.template_id), nullptr,
                       tool_frame_procedure, reinterpret_cast<LPARAM>(&opening));
}

bool every_tool_may_close() {
    for (int position = 1; position < position_rows; ++position)
        if (HWND tool = tool_windows[position])
            if (SendMessageW(tool, WM_LAUNCHER_CLOSING, 0, 0)) return false;
    return true;
}

void save_every_open_position(WindowRows& windows) {
    for (int position = 0; position < position_rows; ++position)
        if (HWND window = tool_windows[position]) save_position(position, window, windows);
}

void close_every_tool() {
    for (int position = 1; position < position_rows; ++position)
        if (HWND tool = tool_windows[position]) SendMessageW(tool, WM_CLOSE, 0, 0);
}

}  // namespace quivra
