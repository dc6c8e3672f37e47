/* World clock: template 16 and its controls. */
#pragma once

#define IDD_WORLD_CLOCK 16
#define IDI_WORLD_CLOCK 2006 /* in its window and on its launcher button */
#define IDC_WORLD_TIME 621
#define IDC_WORLD_DATE 622
#define IDC_WORLD_CITY 631
#define IDC_WORLD_SUMMER_TIME 633
#define IDC_WORLD_AUTOMATIC 634
#define IDC_WORLD_REPORT 641
#define IDC_WORLD_TIMES 651
