/* The name box, template 37, which the platform shows when the user names what is being registered. */
#pragma once

#define IDD_NAME_BOX 37
#define IDC_NAME_BOX_NAME 3701
