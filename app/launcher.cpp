// The launcher: its buttons, menu, placement and the closing of the program.
#include "app/launcher.h"

#include "app/about_box.h"
#include "app/tool_table.h"
#include "base/win/dpi.h"
#include "base/win/icons.h"
#include "base/win/platform.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "base/win/topmost.h"
#include "res/launcher_ids.h"
#include "tools/convert/currency.h"

namespace quivra {

namespace {

constexpr char help_text[] =
    "ごめんなさい！　ヘルプファイルは作ってません。(^^;;;\n何か疑問などありましたらメール下さいませ。";

void show_button_icons(HWND launcher, int dpi) {
    for (const Tool& tool : launcher_tools())
        SendDlgItemMessageW(launcher, tool.command, BM_SETIMAGE, IMAGE_ICON,
                            reinterpret_cast<LPARAM>(icon_at_dpi(tool.icon, dpi)));
}

// The caption is the static after its button: BS_ICON does not draw the
// button's own text, which is there for screen readers.
void name_buttons(HWND launcher) {
    for (const Tool& tool : launcher_tools()) {
        HWND button = GetDlgItem(launcher, tool.command);
        SetWindowTextW(button, widen(tool.caption).c_str());
        SetWindowTextW(GetWindow(button, GW_HWNDNEXT), widen(tool.caption).c_str());
    }
}

void initialise(HWND launcher) {
    tool_windows[0] = launcher;
    SetWindowTextW(launcher, version_title);
    bool file_was_read = load_settings();
    fill_default_rates(settings.rates);
    offer_topmost(launcher, 0);
    if (file_was_read) {
        const Position& row = settings.positions[0];
        SetWindowPos(launcher, nullptr, row.left, row.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    } else {
        centre_window(launcher);
    }
    keep_on_screen(launcher);
    name_buttons(launcher);
    show_button_icons(launcher, window_dpi(launcher));
    // The class is shared by every dialog, so each window gets this icon.
    SetClassLongPtrW(launcher, GCLP_HICON,
                     reinterpret_cast<LONG_PTR>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUIVRA))));
}

// A close requested while a tool's question is up would run inside this one and
// outlive the launcher, so it is ignored.
void close_launcher(HWND launcher) {
    static bool closing = false;
    if (closing) return;
    closing = true;
    bool may_close = every_tool_may_close();
    closing = false;
    if (!may_close) return;
    close_every_tool();
    save_position(0, launcher);
    save_settings();
    DestroyWindow(launcher);
}

void command(HWND launcher, WPARAM id) {
    switch (id) {
    case IDM_EXIT:
        PostMessageW(launcher, WM_CLOSE, 0, 0);
        return;
    case IDM_HELP:
        platform().inform(launcher, help_text);
        return;
    case IDM_ABOUT:
        show_about_box(launcher);
        return;
    }
    if (const Tool* tool = tool_for_command(int(id))) open_tool(*tool);
}

INT_PTR CALLBACK launcher_procedure(HWND launcher, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG:
        initialise(launcher);
        return TRUE;
    case WM_CLOSE:
        close_launcher(launcher);
        return TRUE;
    // The session ends regardless; Windows itself lists the tools still counting.
    case WM_QUERYENDSESSION:
        SetWindowLongPtrW(launcher, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_ENDSESSION:
        if (wparam) {
            save_every_open_position();
            save_settings();
        }
        SetWindowLongPtrW(launcher, DWLP_MSGRESULT, 0);
        return TRUE;
    case WM_DESTROY:
        tool_windows[0] = nullptr;
        PostQuitMessage(0);
        return TRUE;
    case WM_COMMAND:
        command(launcher, wparam);
        return TRUE;
    case WM_DPICHANGED:
        follow_dpi_change(launcher, wparam, lparam);
        show_button_icons(launcher, HIWORD(wparam));
        return FALSE;
    case WM_SYSCOMMAND:
        return toggle_topmost(launcher, 0, wparam);
    }
    return FALSE;
}

}  // namespace

HWND create_launcher() {
    HWND launcher = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LAUNCHER),
                                       nullptr, launcher_procedure, 0);
    ShowWindow(launcher, SW_SHOW);
    return launcher;
}

}  // namespace quivra
