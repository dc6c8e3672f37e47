/* Duration calculator: template 12 and its controls. */
#pragma once

#define IDD_TIME_CALCULATOR 12
#define IDI_TIME_CALCULATOR 2002 /* in its window and on its launcher button */
#define IDC_CALC_STATUS 40
#define IDC_CALC_DIGIT_0 201
#define IDC_CALC_DIGIT_1 202
#define IDC_CALC_DIGIT_2 203
#define IDC_CALC_DIGIT_3 204
#define IDC_CALC_DIGIT_4 205
#define IDC_CALC_DIGIT_5 206
#define IDC_CALC_DIGIT_6 207
#define IDC_CALC_DIGIT_7 208
#define IDC_CALC_DIGIT_8 209
#define IDC_CALC_DIGIT_9 210
#define IDC_CALC_CLEAR_ENTRY 211
#define IDC_CALC_ALL_CLEAR 212
#define IDC_CALC_TIMES 213
#define IDC_CALC_DIVIDE 214
#define IDC_CALC_PLUS 215
#define IDC_CALC_MINUS 216
#define IDC_CALC_EQUALS 217
#define IDC_CALC_HOURS 218
#define IDC_CALC_MINUTES 219
#define IDC_CALC_SECONDS 220
#define IDC_CALC_SIGN 231
#define IDC_CALC_ENTRY 252
#define IDC_CALC_OPERATOR 253
#define IDC_CALC_RESULT 261
