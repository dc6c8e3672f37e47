// What every tool window shares: one window per tool, its saved
// position, centring, and closing through the close request.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "base/settings.h"
#include "base/win/frame_ids.h"
#include "base/win/private_messages.h"

namespace quivra {

// What one open tool window keeps: the frame makes it from the tool's row
// as the window opens, handing it its window and the parts of the settings
// the row names, and destroys it with the window, so no two windows, and
// no two openings of one tool, share it.
class ToolWindow {
public:
    explicit ToolWindow(HWND window) : window_(window) {}
    virtual ~ToolWindow() = default;
    ToolWindow(const ToolWindow&) = delete;
    ToolWindow& operator=(const ToolWindow&) = delete;
    // As a dialog procedure, after the frame's own handling of each message.
    // It sees WM_CLOSE first and keeps its window open by returning TRUE; it
    // sees IDM_EXIT first too, and returning TRUE there stops the frame from
    // turning it into a close request. By default it opens, takes commands
    // and copies through the members below.
    virtual INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam);

protected:
    HWND window() const { return window_; }
    // Fills the controls as the window opens.
    virtual void open() {}
    // A click, a menu choice or a control's notice, as WM_COMMAND's whole
    // wParam; true when the tool took it.
    virtual bool command(WPARAM) { return false; }
    // Ctrl+C.
    virtual void copy() {}

private:
    const HWND window_;
};

using MakeToolWindow = std::unique_ptr<ToolWindow> (*)(HWND window, Settings& settings);

// A row's maker: `make` receives the window and the parts of the settings
// named by `parts` (members of Settings), and sees nothing else of them.
template <auto make, auto... parts>
std::unique_ptr<ToolWindow> keeping(HWND window, Settings& settings) {
    return make(window, (settings.*parts)...);
}

struct Tool;

// A tool that another's menu command opens, such as the rate editor.
struct Companion {
    int command = 0;
    const Tool* tool = nullptr;
};

// A tool with several windows open at once, such as the timer: how many,
// the menu command (and Ctrl+N) that opens another, and the one question
// asked before the program closes while more than one of them counts.
struct SeveralWindows {
    int most = 1;
    int new_window_command = 0;
    std::string (*closing_question)(int counting) = nullptr;
};

// A row of the table of tools: all the launcher and the frame know of a tool.
struct Tool {
    int position;         // its row of window positions in tarv.ini
    int command;          // the launcher button that opens it; 0 for none
    int icon;             // on that button; its window shows it too
    const char* caption;  // under that button, and the button's name for screen readers
    int template_id;
    MakeToolWindow make_window;
    // The controls it shows in the bold display font, which the frame makes
    // for the window's DPI and renews when that changes; none when null.
    bool (*large_text)(int id) = nullptr;
    std::array<Companion, 2> companions{};
    SeveralWindows several{};
};

// The tool's most recently used window; null when none is open.
HWND tool_window(const Tool& tool);
// 1 for a tool's first window, 2 and up for the others it opens at once.
int window_number(HWND window);
// The launcher, which tools tell of what the program as a whole watches (the alarms).
void launcher_is(HWND launcher);
void tell_launcher(UINT message);

// Ctrl+N in a tool that opens several windows: posts it the command that opens another.
bool take_new_window_keystroke(const MSG& message);

void centre_window(HWND window);
// Moves a window that lies partly or wholly off every monitor fully onto
// the nearest one's work area.
void keep_on_screen(HWND window);
// Takes the place the system suggests for a window that has moved to a
// monitor of another DPI (WM_DPICHANGED) and redraws its icons for it.
// The caller then returns FALSE, so that the dialog manager, where it
// can, lays out the controls and their dialog font for that DPI too.
void follow_dpi_change(HWND window, WPARAM dpis, LPARAM suggested_place);
void save_position(int position, HWND window, WindowRows& windows);

// Brings the tool's most recently used window to the front, or opens it
// with its part of `settings`.
void open_tool(const Tool& tool, Settings& settings);

// Asks every open tool whether the program may close, one question for
// several counting windows of one tool; false if one was answered No.
bool every_tool_may_close();
// Closes every open tool in position order, each keeping its position.
void close_every_tool();
// Keeps where every open tool stands, closing none of them.
void save_every_open_position(WindowRows& windows);

}  // namespace quivra
