/* Date calculator: template 11 and its controls. */
#pragma once

#define IDD_DATE_CALCULATOR 11
#define IDI_DATE_CALCULATOR 2001 /* in its window and on its launcher button */
#define IDC_BETWEEN_GROUP 101
#define IDC_FROM_GROUP 102
#define IDC_DAYS_BETWEEN 111
#define IDC_DATE_AFTER 112
#define IDC_FIRST_DATE 122
#define IDC_SECOND_DATE 123
#define IDC_START_DATE 124
#define IDC_PLUS 151
#define IDC_MINUS 152
#define IDC_DAY_COUNT 161
#define IDC_DAY_COUNT_UPDOWN 162
#define IDC_DAYS_RESULT 171
#define IDC_DATE_RESULT 173
#define IDC_WEEKDAY_RESULT 174
#define IDC_ERA_RESULT 175
