/* Stopwatch: template 14, its controls, its display timer and messages. */
#pragma once

#define IDD_STOPWATCH 14
#define IDI_STOPWATCH 2004 /* in its window and on its launcher button */
#define IDC_STOPWATCH_LABEL 401
#define IDC_STOPWATCH_START_TIME 402
#define IDC_STOPWATCH_ELAPSED 403
#define IDC_STOPWATCH_BUTTON 404
#define IDC_STOPWATCH_LAP 406
#define IDC_STOPWATCH_LAPS 407

#define IDT_STOPWATCH 992        /* redraws the reading as each tenth begins */
#define WM_STOPWATCH_BEGIN (WM_USER + 1) /* posted to itself to begin */
#define WM_STOPWATCH_STOP (WM_USER + 2) /* stops without asking */
