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

// The launcher's window: it owns the settings, read as it opens and
// written as it closes, and hands each tool its part of them.
class LauncherWindow {
public:
    explicit LauncherWindow(HWND launcher) : launcher_(launcher) {}

    INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam) {
        switch (message) {
        case WM_INITDIALOG:
            open();
            return TRUE;
        case WM_CLOSE:
            close();
            return TRUE;
        // The session ends regardless; Windows itself lists the tools still counting.
        case WM_QUERYENDSESSION:
            SetWindowLongPtrW(launcher_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_ENDSESSION:
            if (wparam) {
                save_position(0, launcher_, settings_.windows);
                save_every_open_position(settings_.windows);
                save_settings(settings_);
            }
            SetWindowLongPtrW(launcher_, DWLP_MSGRESULT, 0);
            return TRUE;
        case WM_DESTROY:
            PostQuitMessage(0);
            return TRUE;
        case WM_COMMAND:
            command(wparam);
            return TRUE;
        case WM_DPICHANGED:
            follow_dpi_change(launcher_, wparam, lparam);
            show_button_icons(launcher_, HIWORD(wparam));
            return FALSE;
        case WM_SYSCOMMAND:
            return toggle_topmost(launcher_, 0, wparam, settings_.windows);
        }
        return FALSE;
    }

    Settings& settings() { return settings_; }

private:
    void open() {
        SetWindowTextW(launcher_, version_title);
        bool file_was_read = load_settings(settings_);
        offer_topmost(launcher_, 0, settings_.windows);
        if (file_was_read) {
            const Position& row = settings_.windows.positions[0];
            SetWindowPos(launcher_, nullptr, row.left, row.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        } else {
            centre_window(launcher_);
        }
        keep_on_screen(launcher_);
        name_buttons(launcher_);
        show_button_icons(launcher_, window_dpi(launcher_));
        // The class is shared by every dialog, so each window gets this icon.
        SetClassLongPtrW(launcher_, GCLP_HICON,
                         reinterpret_cast<LONG_PTR>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUIVRA))));
    }

    // A close requested while a tool's question is up would run inside this one and
    // outlive the launcher, so it is ignored.
    void close() {
        if (closing_) return;
        closing_ = true;
        bool may_close = every_tool_may_close();
        closing_ = false;
        if (!may_close) return;
        close_every_tool();
        save_position(0, launcher_, settings_.windows);
        save_settings(settings_);
        DestroyWindow(launcher_);
    }

    void command(WPARAM id) {
        switch (id) {
        case IDM_EXIT:
            PostMessageW(launcher_, WM_CLOSE, 0, 0);
            return;
        case IDM_HELP:
            platform().inform(launcher_, help_text);
            return;
        case IDM_ABOUT:
            show_about_box(launcher_);
            return;
        }
        if (const Tool* tool = tool_for_command(int(id))) open_tool(*tool, settings_);
    }

    const HWND launcher_;
    Settings settings_;
    bool closing_ = false;
};

LauncherWindow* launcher_window(HWND launcher) {
    return reinterpret_cast<LauncherWindow*>(GetWindowLongPtrW(launcher, DWLP_USER));
}

INT_PTR CALLBACK launcher_procedure(HWND launcher, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(launcher, DWLP_USER, reinterpret_cast<LONG_PTR>(new LauncherWindow(launcher)));
    LauncherWindow* window = launcher_window(launcher);
    if (!window) return FALSE;
    if (message != WM_NCDESTROY) return window->handle(message, wparam, lparam);
    SetWindowLongPtrW(launcher, DWLP_USER, 0);
    delete window;
    return TRUE;
}

}  // namespace

HWND create_launcher() {
    HWND launcher = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LAUNCHER),
                                       nullptr, launcher_procedure, 0);
    ShowWindow(launcher, SW_SHOW);
    return launcher;
}

Settings& launcher_settings(HWND launcher) { return launcher_window(launcher)->settings(); }

}  // namespace quivra
