/* Resource and command ids shared by the resource scripts and the code. */
#pragma once

#define IDD_LAUNCHER 10
#define IDD_ABOUT 39

#define IDI_QUIVRA 2000 /* program icon; tool icons follow as 2000 + n */

#define IDM_RATE_EDITOR 53
#define IDM_EXIT 60
#define IDM_HELP 61
#define IDM_ABOUT 69
#define IDC_ABOUT_OK 71
#define IDC_HOME_PAGE 79
#define IDC_FIRST_TOOL_BUTTON 81 /* buttons 81 to 96 */
