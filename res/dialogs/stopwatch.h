/* Stopwatch: template 14, its controls, and its display timer. */
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
