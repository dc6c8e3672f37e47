/* Every private message of the program, numbered here only. Each is WM_APP + n:
   the WM_USER range of a dialog already holds the dialog manager's own
   messages (DM_SETDEFID, DM_REPOSITION), which other programs send. */
#pragma once

/* Sent to every open tool, in position order, before the launcher closes.
   A tool that is counting asks its own question: on Yes it stops at once
   and returns FALSE; on No it returns TRUE, which cancels the whole close.
   With wParam TRUE the user has already said Yes: it stops without asking. */
#define WM_LAUNCHER_CLOSING (WM_APP + 1)

/* Posted to a tool whose window has moved to a monitor of another DPI
   (wParam), once the dialog manager has laid it out anew: what the tool
   sized itself, such as a font, is made again for that DPI. */
#define WM_DPI_RENEW (WM_APP + 2)

/* Posted by the timer and the stopwatch to themselves as they start, so
   that the start's click is done before the first reading shows. Only the
   first after a start acts. */
#define WM_BEGIN_COUNTING (WM_APP + 3)

/* Sent by the frame before the launcher closes: TRUE from a tool that is
   counting, so that several counting windows of one tool ask one question. */
#define WM_IS_COUNTING (WM_APP + 4)

/* Sent to the launcher when an alarm was added, changed, removed or turned
   on or off, and by the launcher to the alarms' window when a ring changed
   one: the next ring is armed and shown anew. */
#define WM_ALARMS_CHANGED (WM_APP + 5)

/* Posted to a running Quivra's hidden launcher by a second start: show it. */
#define WM_SHOW_LAUNCHER (WM_APP + 6)

/* The notification area's icon telling the launcher of a click or its menu. */
#define WM_TRAY_NOTICE (WM_APP + 7)

/* Posted by the launcher to itself at start, once it is on screen: the box of the alarms missed while closed. */
#define WM_SHOW_MISSED (WM_APP + 8)
