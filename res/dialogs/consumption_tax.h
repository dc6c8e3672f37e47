/* Consumption-tax calculator: template 23 and its controls. */
#pragma once

#define IDD_CONSUMPTION_TAX 23
#define IDI_CONSUMPTION_TAX 2013 /* in its window and on its launcher button */
#define IDC_TAX_PRICE 1321
#define IDC_TAX_RATE 1323
#define IDC_TAX_RATE_UPDOWN 1324
#define IDC_TAX_INCLUDED 1325
#define IDC_TAX_ADDED 1326
#define IDC_TAX_AMOUNT_RESULT 1327
#define IDC_TAX_RESULT 1328
#define IDC_TAX_CALCULATE 1331
#define IDC_TAX_ROUND_DOWN 1341
#define IDC_TAX_ROUND_HALF_UP 1342
#define IDC_TAX_ROUND_UP 1343
#define IDC_TAX_RATE_8 1351
#define IDC_TAX_RATE_10 1352
