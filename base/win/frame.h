// What every tool window shares: one window per tool, its saved
// position, centring, and closing through the close request.
#pragma once

#include <windows.h>

#include <array>

#include "base/settings.h"

namespace quivra {

// A row of the table of tools. The tool's own procedure is called after
// the frame's handling of each message, with `parameter` as the lParam of
// WM_INITDIALOG. It sees WM_CLOSE first and keeps its window open by
// returning TRUE; it sees command 60 first too, and returning TRUE there
// stops the frame from turning it into a close request.
struct Tool {
    int position;
    int command;  // the launcher button that opens it; 0 for none
    int template_id;
    DLGPROC procedure;
    LPARAM parameter = 0;
};

// Sent to every open tool, in position order, before the launcher closes.
// A tool that is counting asks its own question: on Yes it stops at once
// and returns FALSE; on No it returns TRUE, which cancels the whole close.
inline constexpr UINT launcher_closing_message = WM_APP + 1;

// Posted to a tool whose window has moved to a monitor of another DPI
// (wParam), once the dialog manager has laid it out anew: what the tool
// sized itself, such as a font, is made again for that DPI.
inline constexpr UINT dpi_changed_message = WM_APP + 2;

// The open window of each position index; empty when the tool is closed.
extern std::array<HWND, position_rows> tool_windows;

// The parameter of the tool row that opened this window.
LPARAM tool_parameter(HWND window);

void centre_window(HWND window);
// Moves a window that lies partly or wholly off every monitor fully onto
// the nearest one's work area.
void keep_on_screen(HWND window);
// Takes the place the system suggests for a window that has moved to a
// monitor of another DPI (WM_DPICHANGED) and redraws its icons for it.
// The caller then returns FALSE, so that the dialog manager, where it
// can, lays out the controls and their dialog font for that DPI too.
void follow_dpi_change(HWND window, WPARAM dpis, LPARAM suggested_place);
void save_position(int position, HWND window);

// Brings the tool's window to the front, or opens it.
void open_tool(const Tool& tool);

// Asks every open tool whether the program may close; false if one said No.
bool every_tool_may_close();
// Closes every open tool in position order, each keeping its position.
void close_every_tool();
// Keeps where the launcher and every open tool stand, closing none of them.
void save_every_open_position();

}  // namespace quivra
