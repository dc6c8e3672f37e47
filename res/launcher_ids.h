/* The launcher's and the About box's ids, shared by the resource script and the code. */
#pragma once

#define IDD_LAUNCHER 10
#define IDD_ABOUT 39

#define IDI_QUIVRA 2000 /* the program's icon; each tool's is in its own ids header */

#define IDM_HELP 61
#define IDM_ABOUT 69
#define IDC_ABOUT_OK 71
#define IDC_HOME_PAGE 79

/* The launcher's buttons, each the command that opens its tool. */
#define IDC_OPEN_DATE_CALCULATOR 81
#define IDC_OPEN_TIME_CALCULATOR 82
#define IDC_OPEN_TIMER 83
#define IDC_OPEN_STOPWATCH 84
#define IDC_OPEN_TIME_OF_DAY 85
#define IDC_OPEN_WORLD_CLOCK 86
#define IDC_OPEN_LENGTH 87
#define IDC_OPEN_WEIGHT 88
#define IDC_OPEN_AREA 89
#define IDC_OPEN_VOLUME 90
#define IDC_OPEN_TEMPERATURE 91
#define IDC_OPEN_SPEED 92
#define IDC_OPEN_TAX 93
#define IDC_OPEN_CURRENCY 94
#define IDC_OPEN_DRIVES 95
#define IDC_OPEN_GAME 96
#define IDC_OPEN_FUEL 97
#define IDC_OPEN_DATA 98
#define IDC_OPEN_ENERGY 99
#define IDC_OPEN_PRESSURE 100
#define IDC_OPEN_ALARMS 104
#define IDC_OPEN_AGE 105
#define IDC_OPEN_POWER 106
#define IDC_OPEN_LAUNCHER_FROM_TRAY 62 /* the notification area menu's ランチャーを開く */
