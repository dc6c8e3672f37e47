/* What the tool frame gives every window: shared by the resource scripts
   and the code, so it is written for the resource compiler too. */
#pragma once

#define IDM_EXIT 60 /* 終了(&X), in every window's menu */
/* 常に手前に表示(&T) in every window's system menu: a system command, so
   below 0xF000 with its low four bits clear. */
#define IDM_TOPMOST 0x0100

/* Sent to every open tool, in position order, before the launcher closes.
   A tool that is counting asks its own question: on Yes it stops at once
   and returns FALSE; on No it returns TRUE, which cancels the whole close. */
#define WM_LAUNCHER_CLOSING (WM_APP + 1)

/* Posted to a tool whose window has moved to a monitor of another DPI
   (wParam), once the dialog manager has laid it out anew: what the tool
   sized itself, such as a font, is made again for that DPI. */
#define WM_DPI_RENEW (WM_APP + 2)
