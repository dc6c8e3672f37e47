// The main window: sixteen picture buttons that open the tools.
#pragma once

#include <windows.h>

namespace quivra {

inline constexpr wchar_t version_title[] = L"Quivra v1.23";

// Opens the launcher as a modeless dialog; it loads the settings as it
// opens and writes them when it closes.
HWND create_launcher();

}  // namespace quivra
