/* Currency converter: template 24 and its controls. */
#pragma once

#define IDD_CURRENCY_CONVERTER 24
#define IDC_CURRENCY_AMOUNT 1401
#define IDC_CURRENCY_FROM 1403
#define IDC_CURRENCY_CONVERT 1404
#define IDC_CURRENCY_RESULTS 1405
