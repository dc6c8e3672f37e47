/* 何歳？: template 42, its controls and menu; the age table, template 43, which its menu opens. */
#pragma once

#define IDD_AGE 42
#define IDI_AGE 2022 /* in its window and on its launcher button */
#define IDM_AGE_TABLE 57 /* its menu opens the age table */
#define IDC_BIRTH_DATE 4201
#define IDC_REFERENCE_DATE 4202
#define IDC_AGE_CALCULATE 4203
#define IDC_AGE 4211
#define IDC_KAZOE 4212
#define IDC_BORN 4213
#define IDC_GRADE 4214
#define IDC_SCHOOLS 4215
#define IDC_DAYS_LIVED 4217
#define IDC_NEXT_BIRTHDAY 4218

#define IDD_AGE_TABLE 43
#define IDC_TABLE_YEAR 4301
#define IDC_TABLE_YEAR_UPDOWN 4302
#define IDC_AGE_TABLE 4351
