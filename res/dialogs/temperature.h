/* Temperature converter: template 21 and its controls. */
#pragma once

#define IDD_TEMPERATURE 21
#define IDI_TEMPERATURE 2011 /* in its window and on its launcher button */
#define IDC_TEMPERATURE_VALUE 1121
#define IDC_TEMPERATURE_UPDOWN 1122
#define IDC_CELSIUS 1123
#define IDC_FAHRENHEIT 1124
#define IDC_CELSIUS_RESULT 1126
#define IDC_FAHRENHEIT_RESULT 1127
#define IDC_TEMPERATURE_CONVERT 1131
