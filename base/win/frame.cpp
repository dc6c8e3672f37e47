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
#include "base/win/platform.h"
#include "base/win/text.h"

#include <algorithm>
#include <vector>

namespace quivra {

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
    int number;          // 1 for the tool's first window, which alone keeps its place in tarv.ini
    std::unique_ptr<ToolWindow> own;
    HFONT display_font = nullptr;  // null for a tool that shows none

    ~OpenWindow() {
        if (display_font) DeleteObject(display_font);
    }
    INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam) { return own->handle(message, wparam, lparam); }
};

// Every open tool window, each tool's most recently used last; the launcher is not among them.
std::vector<HWND> open_windows;
// Each tool's windows in the order they opened, the newest last.
std::vector<HWND> opened_order;

bool is_open(HWND window) { return std::find(open_windows.begin(), open_windows.end(), window) != open_windows.end(); }

OpenWindow* open_window(HWND window) {
    return is_open(window) ? reinterpret_cast<OpenWindow*>(GetWindowLongPtrW(window, DWLP_USER)) : nullptr;
}

// The windows of one tool, from `order`, in its order.
std::vector<HWND> windows_of(const Tool& tool, const std::vector<HWND>& order) {
    std::vector<HWND> found;
    for (HWND window : order)
        if (OpenWindow* open = open_window(window); open && &open->tool == &tool) found.push_back(window);
    return found;
}

// Every open tool window by position, each tool's by number.
std::vector<HWND> in_position_order() {
    std::vector<HWND> ordered = open_windows;
    std::sort(ordered.begin(), ordered.end(), [](HWND a, HWND b) {
        const OpenWindow &x = *open_window(a), &y = *open_window(b);
        return std::pair(x.tool.position, x.number) < std::pair(y.tool.position, y.number);
    });
    return ordered;
}

void forget(HWND window) {
    std::erase(open_windows, window);
    std::erase(opened_order, window);
}

// The lowest number none of the tool's windows has.
int free_number(const Tool& tool) {
    std::vector<HWND> windows = windows_of(tool, open_windows);
    for (int number = 1;; ++number)
        if (std::none_of(windows.begin(), windows.end(), [&](HWND w) { return open_window(w)->number == number; }))
            return number;
}

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

// A window opened beside another of its tool's: this far right and down from the newest.
constexpr int beside_offset = 24;

void place_beside(HWND window, HWND newest) {
    RECT r;
    GetWindowRect(newest, &r);
    SetWindowPos(window, nullptr, r.left + beside_offset, r.top + beside_offset, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    keep_on_screen(window);
}

// What WM_INITDIALOG receives: the row to open, the settings it keeps its part in, and its number.
struct Opening {
    const Tool& tool;
    Settings& settings;
    int number;
};

void open_another(const Tool& tool, Settings& settings);

INT_PTR CALLBACK tool_frame_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        const auto& [tool, settings, number] = *reinterpret_cast<const Opening*>(lparam);
        auto* open = new OpenWindow{tool, settings, number, tool.make_window(window, settings)};
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(open));
        const std::vector<HWND> others = windows_of(tool, opened_order);
        open_windows.push_back(window);
        opened_order.push_back(window);
        if (number > 1) SetWindowTextW(window, (wide_window_text(window) + L" (" + std::to_wstring(number) + L")").c_str());
        // On top before it shows, so that it never appears among the others first.
        offer_topmost(window, tool.position, settings.windows);
        if (others.empty()) place(window, settings.windows.positions[tool.position]);
        else place_beside(window, others.back());
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
        if (open->number == 1) save_position(tool.position, window, open->settings.windows);
        DestroyWindow(window);
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wparam) != WA_INACTIVE) {
            std::erase(open_windows, window);
            open_windows.push_back(window);
        }
        return open->handle(message, wparam, lparam);
    case WM_COMMAND:
        if (tool.several.new_window_command && wparam == WPARAM(tool.several.new_window_command)) {
            open_another(tool, open->settings);
            return TRUE;
        }
        for (const Companion& companion : tool.companions)
            if (companion.tool && wparam == WPARAM(companion.command)) {
                open_tool(*companion.tool, open->settings);
                return TRUE;
            }
        if (!open->handle(message, wparam, lparam) && wparam == IDM_EXIT) PostMessageW(window, WM_CLOSE, 0, 0);
        return TRUE;
    case WM_LAUNCHER_CLOSING:
    case WM_IS_COUNTING:
        SetWindowLongPtrW(window, DWLP_MSGRESULT, open->handle(message, wparam, lparam));
        return TRUE;
    // The last message: the tool's own state goes with its window.
    case WM_NCDESTROY:
        forget(window);
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

void open_window_of(const Tool& tool, Settings& settings, int number) {
    initialise_common_controls();
    const Opening opening{tool, settings, number};
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(tool.template_id), nullptr,
                       tool_frame_procedure, reinterpret_cast<LPARAM>(&opening));
}

// Another window of a tool that opens several; past its most, the newest comes to the front.
void open_another(const Tool& tool, Settings& settings) {
    const std::vector<HWND> windows = windows_of(tool, opened_order);
    if (int(windows.size()) >= tool.several.most) {
        SetForegroundWindow(windows.back());
        return;
    }
    open_window_of(tool, settings, free_number(tool));
}

}  // namespace

HWND tool_window(const Tool& tool) {
    const std::vector<HWND> windows = windows_of(tool, open_windows);
    return windows.empty() ? nullptr : windows.back();
}

int window_number(HWND window) {
    const OpenWindow* open = open_window(window);
    return open ? open->number : 0;
}

namespace {
HWND the_launcher = nullptr;
}

void launcher_is(HWND launcher) { the_launcher = launcher; }

void tell_launcher(UINT message) {
    if (the_launcher) PostMessageW(the_launcher, message, 0, 0);
}

bool take_new_window_keystroke(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != 'N' || GetKeyState(VK_CONTROL) >= 0) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    const OpenWindow* open = open_window(root);
    if (!open || !open->tool.several.new_window_command) return false;
    PostMessageW(root, WM_COMMAND, WPARAM(open->tool.several.new_window_command), 0);
    return true;
}

void open_tool(const Tool& tool, Settings& settings) {
    if (HWND open = tool_window(tool)) SetForegroundWindow(open);
    else open_window_of(tool, settings, 1);
}

bool every_tool_may_close() {
    const std::vector<HWND> windows = in_position_order();
    for (std::size_t i = 0; i < windows.size();) {
        if (!IsWindow(windows[i])) {  // closed while a question was up
            ++i;
            continue;
        }
        const Tool& tool = open_window(windows[i])->tool;
        std::vector<HWND> counting, all;
        for (; i < windows.size() && IsWindow(windows[i]) && &open_window(windows[i])->tool == &tool; ++i) {
            all.push_back(windows[i]);
            if (SendMessageW(windows[i], WM_IS_COUNTING, 0, 0)) counting.push_back(windows[i]);
        }
        if (counting.size() >= 2 && tool.several.closing_question) {
            if (!platform().ask(counting.front(), tool.several.closing_question(int(counting.size())))) return false;
            for (HWND window : counting) SendMessageW(window, WM_LAUNCHER_CLOSING, TRUE, 0);
            continue;
        }
        for (HWND window : all)
            if (IsWindow(window) && SendMessageW(window, WM_LAUNCHER_CLOSING, FALSE, 0)) return false;
    }
    return true;
}

void save_every_open_position(WindowRows& windows) {
    for (HWND window : open_windows)
        if (const OpenWindow* open = open_window(window); open->number == 1) save_position(open->tool.position, window, windows);
}

void close_every_tool() {
    for (HWND window : in_position_order())
        if (IsWindow(window)) SendMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace quivra
