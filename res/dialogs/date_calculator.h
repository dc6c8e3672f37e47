/* Date calculator: template 11, its controls and menu; the holiday list,
   template 31, and the company's days, template 36, which its menu opens. */
#pragma once

#define IDD_DATE_CALCULATOR 11
#define IDI_DATE_CALCULATOR 2001 /* in its window and on its launcher button */
#define IDM_HOLIDAY_LIST 54      /* its menu opens the holiday list */
#define IDM_OFFICE_CALENDAR 55   /* and the company's days off and working days */
#define IDC_BETWEEN_GROUP 101
#define IDC_FROM_GROUP 102
#define IDC_DAYS_OFF_GROUP 103
#define IDC_DAYS_BETWEEN 111
#define IDC_DATE_AFTER 112
#define IDC_FIRST_DATE 122
#define IDC_SECOND_DATE 123
#define IDC_START_DATE 124
#define IDC_PLUS 151
#define IDC_MINUS 152
#define IDC_COUNT_FIRST_DAY 153
#define IDC_DAY_COUNT 161
#define IDC_DAY_COUNT_UPDOWN 162
#define IDC_COUNT_UNIT 163
#define IDC_DIRECTION 165 /* 後 or 前, after the unit */
#define IDC_DAYS_RESULT 171
#define IDC_BETWEEN_YMD 172
#define IDC_DATE_RESULT 173
#define IDC_WEEKDAY_RESULT 174
#define IDC_ERA_RESULT 175
#define IDC_BETWEEN_BUSINESS 176
#define IDC_HOLIDAY_RESULT 177
#define IDC_BETWEEN_HOLIDAY_NOTE 178 /* when the count reaches years without a holiday table */
#define IDC_SATURDAY_OFF 181
#define IDC_SUNDAY_OFF 182
#define IDC_HOLIDAYS_OFF 183
#define IDC_YEAR_END_OFF 184
#define IDC_YEAR_END_KIND 185
#define IDC_OFFICE_DAYS 186
#define IDC_ROLL 187 /* where a date that falls on a day off goes */

#define IDD_HOLIDAY_LIST 31
#define IDC_HOLIDAY_YEAR 2121
#define IDC_HOLIDAY_YEAR_UPDOWN 2122
#define IDC_HOLIDAY_LIST 2151
#define IDC_HOLIDAY_NOTE 2161

#define IDD_OFFICE_CALENDAR 36
#define IDC_OFFICE_LIST 2601
#define IDC_OFFICE_FROM 2611
#define IDC_OFFICE_TO 2612
#define IDC_OFFICE_YEARLY 2613
#define IDC_OFFICE_OFF 2614
#define IDC_OFFICE_WORK 2615
#define IDC_OFFICE_NAME 2616
#define IDC_OFFICE_ADD 2621
#define IDC_OFFICE_REMOVE 2622
#define IDC_OFFICE_NOTE 2623
#define IDC_OFFICE_CALENDAR_MONTH 2631
