// The launcher: its buttons, menu, placement and the closing of the program.
#include "app/launcher.h"

#include <array>

#include "app/about_box.h"
#include "base/win/platform.h"
#include "base/win/settings_store.h"
#include "base/win/topmost.h"
#include "app/tool_table.h"
#include "res/shell_ids.h"

namespace quivra {

namespace {

constexpr int tool_buttons = 16;

constexpr char help_text[] =
    "ごめんなさい！　ヘルプファイルは作ってません。(^^;;;\n何か疑問などありましたらメール下さいませ。";

// Loaded once and kept for the whole run.
struct Icons {
    HICON program;
    std::array<HICON, tool_buttons> buttons;
};

const Icons& icons() {
    static const Icons loaded = [] {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        Icons icons{LoadIconW(instance, MAKEINTRESOURCEW(IDI_QUIVRA)), {}};
        for (int i = 0; i < tool_buttons; ++i)
            icons.buttons[i] = LoadIconW(instance, MAKEINTRESOURCEW(IDI_QUIVRA + 1 + i));
        return icons;
    }();
    return loaded;
}

void initialise(HWND launcher) {
    tool_windows[0] = launcher;
    SetWindowTextW(launcher, version_title);
    bool file_read = load_settings();
    offer_topmost(launcher, 0);
    if (file_read) {
        const Position& row = settings.positions[0];
        SetWindowPos(launcher, nullptr, row.left, row.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    } else {
        centre_window(launcher);
    }
    for (int i = 0; i < tool_buttons; ++i)
        SendDlgItemMessageW(launcher, IDC_FIRST_TOOL_BUTTON + i, BM_SETIMAGE, IMAGE_ICON,
                            reinterpret_cast<LPARAM>(icons().buttons[i]));
    // The class is shared by every dialog, so each window gets this icon.
    SetClassLongPtrW(launcher, GCLP_HICON, reinterpret_cast<LONG_PTR>(icons().program));
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

INT_PTR CALLBACK launcher_procedure(HWND launcher, UINT message, WPARAM wparam, LPARAM) {
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
