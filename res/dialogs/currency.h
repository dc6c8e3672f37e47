/* Currency converter: template 24 and its controls. */
#pragma once

#define IDD_CURRENCY_CONVERTER 24
#define IDM_RATE_EDITOR 53 /* its menu opens the rate editor */
#define IDI_CURRENCY 2014 /* in its window and on its launcher button */
#define IDC_CURRENCY_AMOUNT 1401
#define IDC_CURRENCY_FROM 1403
#define IDC_CURRENCY_CONVERT 1404
#define IDC_CURRENCY_RESULTS 1405
