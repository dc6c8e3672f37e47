// The launcher: its buttons, menu, placement and the closing of the program.
#include "app/launcher.h"

#include "app/about_box.h"
#include "app/alarm_watch.h"
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
    LauncherWindow(HWND launcher, bool from_startup) : launcher_(launcher), from_startup_(from_startup) {}

    INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam) {
        switch (message) {
        case WM_INITDIALOG:
            open();
            return TRUE;
        // The close box and Alt+F4 leave Quivra waiting where an alarm is on; 終了 ends it.
        case WM_CLOSE:
            if (!exiting_ && settings_.alarms.tray && watch_->any_on()) hide_in_tray();
            else close();
            exiting_ = false;
            return TRUE;
        case WM_TIMER:
            if (wparam != alarm_watch_timer) return FALSE;
            watch_->due();
            show_tray_tip();
            return TRUE;
        case WM_TIMECHANGE:
            watch_->clock_changed();
            return TRUE;
        case WM_POWERBROADCAST:
            if (wparam == PBT_APMRESUMEAUTOMATIC || wparam == PBT_APMRESUMESUSPEND) watch_->clock_changed();
            return TRUE;
        case WM_ALARMS_CHANGED:
            watch_->arm();
            show_tray_tip();
            return TRUE;
        case WM_SHOW_MISSED:
            platform().inform(launcher_, missed_);
            return TRUE;
        case WM_SHOW_LAUNCHER:
            show_from_tray();
            return TRUE;
        case WM_TRAY_NOTICE:
            tray_notice(UINT(lparam));
            return TRUE;
        // The session ends regardless; Windows itself lists the tools still counting.
        case WM_QUERYENDSESSION:
            SetWindowLongPtrW(launcher_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_ENDSESSION:
            if (wparam) {
                watch_->stop_watching();
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
    bool starts_hidden() const { return from_startup_ && watch_->any_on(); }

private:
    void open() {
        SetWindowTextW(launcher_, version_title);
        launcher_is(launcher_);
        bool file_was_read = load_settings(settings_);
        watch_ = std::make_unique<AlarmWatch>(launcher_, settings_);
        missed_ = watch_->missed_while_closed();
        // Once the launcher is on screen, for the box to stand in front of it.
        if (!missed_.empty()) PostMessageW(launcher_, WM_SHOW_MISSED, 0, 0);
        watch_->arm();
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
        if (!hidden_in_tray_) save_position(0, launcher_, settings_.windows);
        watch_->stop_watching();
        platform().tray_icon(launcher_, "");
        save_settings(settings_);
        DestroyWindow(launcher_);
    }

    // The launcher hidden, the program waiting in the notification area; tarv.ini written as at an exit.
    void hide_in_tray() {
        if (!hidden_in_tray_) save_position(0, launcher_, settings_.windows);
        hidden_in_tray_ = true;
        ShowWindow(launcher_, SW_HIDE);
        show_tray_tip();
        save_every_open_position(settings_.windows);
        watch_->stop_watching();
        save_settings(settings_);
    }

    void show_tray_tip() {
        if (hidden_in_tray_) platform().tray_icon(launcher_, watch_->tray_tip());
    }

    void show_from_tray() {
        hidden_in_tray_ = false;
        platform().tray_icon(launcher_, "");
        ShowWindow(launcher_, SW_SHOW);
        SetForegroundWindow(launcher_);
    }

    void tray_notice(UINT mouse) {
        if (mouse == WM_LBUTTONUP) return show_from_tray();
        if (mouse != WM_RBUTTONUP && mouse != WM_CONTEXTMENU) return;
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, IDC_OPEN_LAUNCHER_FROM_TRAY, widen("ランチャーを開く").c_str());
        AppendMenuW(menu, MF_STRING, IDM_EXIT, widen("終了").c_str());
        POINT at;
        GetCursorPos(&at);
        SetForegroundWindow(launcher_);
        const UINT chosen = UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, launcher_, nullptr));
        DestroyMenu(menu);
        if (chosen) command(chosen);
    }

    void command(WPARAM id) {
        switch (id) {
        case IDC_OPEN_LAUNCHER_FROM_TRAY:
            show_from_tray();
            return;
        case IDM_EXIT:
            exiting_ = true;
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
    const bool from_startup_;  // started by Windows (/tray): hidden where an alarm is on
    Settings settings_;
    std::unique_ptr<AlarmWatch> watch_;
    std::string missed_;  // the box of the alarms missed while closed
    bool closing_ = false;
    bool exiting_ = false;  // 終了 was chosen: the close ends the program
    bool hidden_in_tray_ = false;
};

LauncherWindow* launcher_window(HWND launcher) {
    return reinterpret_cast<LauncherWindow*>(GetWindowLongPtrW(launcher, DWLP_USER));
}

INT_PTR CALLBACK launcher_procedure(HWND launcher, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG)
        SetWindowLongPtrW(launcher, DWLP_USER, reinterpret_cast<LONG_PTR>(new LauncherWindow(launcher, lparam != 0)));
    LauncherWindow* window = launcher_window(launcher);
    if (!window) return FALSE;
    if (message != WM_NCDESTROY) return window->handle(message, wparam, lparam);
    SetWindowLongPtrW(launcher, DWLP_USER, 0);
    delete window;
    return TRUE;
}

}  // namespace

HWND create_launcher(bool from_startup) {
    HWND launcher = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LAUNCHER),
                                       nullptr, launcher_procedure, from_startup);
    if (!launcher) return launcher;
    if (launcher_window(launcher)->starts_hidden()) PostMessageW(launcher, WM_CLOSE, 0, 0);
    else ShowWindow(launcher, SW_SHOW);
    return launcher;
}

Settings& launcher_settings(HWND launcher) { return launcher_window(launcher)->settings(); }

}  // namespace quivra
