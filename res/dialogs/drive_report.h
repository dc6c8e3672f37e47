/* Drive space report: template 28 and its controls. */
#pragma once

#define IDD_DRIVE_REPORT 28
#define IDC_DRIVE_EXAMINE 1801
#define IDC_DRIVE_LIST 1802
#define IDC_DRIVE_KILOBYTES 1810
#define IDC_DRIVE_MEGABYTES 1811
