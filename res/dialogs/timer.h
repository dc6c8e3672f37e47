/* Countdown timer: template 13, its controls, menu and timer. */
#pragma once

#define IDD_TIMER 13
#define IDM_NEW_TIMER 56 /* its menu, and Ctrl+N, open another timer */
#define IDI_TIMER 2003 /* in its window and on its launcher button */
#define IDC_TIMER_GROUP 301
#define IDC_AT_TIME 311
#define IDC_HOURS_LATER 312
#define IDC_MINUTES_LATER 313
#define IDC_RING_TIME 321
#define IDC_HOURS 322
#define IDC_HOURS_UPDOWN 323
#define IDC_MINUTES 324
#define IDC_MINUTES_UPDOWN 325
#define IDC_ALARM_FILE 326
#define IDC_MESSAGE 327
#define IDC_BROWSE 331
#define IDC_TRY_SOUND 332
#define IDC_TIMER_START 333
#define IDC_TIMER_CANCEL 334
#define IDC_SHOW_MESSAGE 341
#define IDC_AT_TIME_LABEL 351
#define IDC_HOURS_LABEL 352
#define IDC_MINUTES_LABEL 353
#define IDC_TIMER_STATUS 354
#define IDC_TIMER_PRESET 361
#define IDC_PRESET_REGISTER 362
#define IDC_PRESET_REMOVE 363

#define IDT_COUNTDOWN 991          /* redraws the time left once a second */
