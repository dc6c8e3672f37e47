/* Drive space report: template 28 and its controls. */
#pragma once

#define IDD_DRIVE_REPORT 28
#define IDI_DRIVE_REPORT 2015 /* in its window and on its launcher button */
#define IDC_DRIVE_EXAMINE 1801
#define IDC_DRIVE_LIST 1802
#define IDC_DRIVE_KILOBYTES 1810
#define IDC_DRIVE_MEGABYTES 1811
