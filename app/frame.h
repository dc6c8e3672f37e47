// What every tool window shares: one window per tool, its saved
// position, centring, and closing through the close request.
#pragma once

#include <windows.h>

#include <array>

#include "app/settings.h"

namespace quivra {

// A row of the table of tools. The tool's own procedure is called after
// the frame's handling of each message, with `parameter` as the lParam of
// WM_INITDIALOG. It sees WM_CLOSE first and keeps its window open by
// returning TRUE.
struct Tool {
    int position;
    int command;
    int template_id;
    DLGPROC procedure;
    LPARAM parameter = 0;
};

// The open window of each position index; empty when the tool is closed.
extern std::array<HWND, position_rows> tool_windows;

// The parameter of the tool row that opened this window.
LPARAM tool_parameter(HWND window);

void centre_window(HWND window);
void save_position(int position, HWND window);

// Brings the tool's window to the front, or opens it.
void open_tool(const Tool& tool);

}  // namespace quivra
