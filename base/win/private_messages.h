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
