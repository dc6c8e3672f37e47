// The main window: twenty picture buttons that open the tools.
#pragma once

#include <windows.h>

#include "base/settings.h"
#include "quivra_version.h"

namespace quivra {

inline constexpr wchar_t version_title[] = L"Quivra v" QUIVRA_VERSION_WIDE;

// Opens the launcher as a modeless dialog; it loads the settings as it
// opens and writes them when it closes. Started by Windows at sign-in
// (`from_startup`), it waits hidden in the notification area where an alarm is on.
HWND create_launcher(bool from_startup = false);

// What the open launcher keeps for tarv.ini: every tool's part of it.
Settings& launcher_settings(HWND launcher);

}  // namespace quivra
