/* Rate editor: template 25 and its controls. Row i (0 to 14) edits the
   rate of currency row i + 1 in its two fields. */
#pragma once

#define IDD_RATE_EDITOR 25
#define IDC_RATE_YEN_FIRST 1501 /* to 1515: whole yen */
#define IDC_RATE_SEN_FIRST 1521 /* to 1535: hundredths of a yen */
#define IDC_RATE_OK 71
#define IDC_RATE_CANCEL 72
