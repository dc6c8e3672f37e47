/* Concentration game: template 29 and its controls. */
#pragma once

#define IDD_GAME 29
#define IDI_GAME 2016 /* in its window and on its launcher button */
#define IDC_GAME_START 1900
#define IDC_GAME_FIRST_CELL 1901 /* cells 1901 to 1925, row by row from the top left */
#define IDC_GAME_LAST_CELL 1925
#define IDC_GAME_TIME 1991
#define IDC_GAME_NEXT 1992
#define IDC_GAME_RATING 1993
#define IDT_GAME_DISPLAY 993 /* the window timer that refreshes the time shown */
