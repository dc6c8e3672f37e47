// Date and time pickers set up and read back in the formats the results use.
#pragma once

#include <windows.h>

namespace quivra {

// Fixed, so that neither the locale's format nor its AM/PM changes what shows.
inline constexpr wchar_t time_format[] = L"HH:mm:ss";
inline constexpr wchar_t date_format[] = L"yyyy'/'MM'/'dd";

// Shows `format`, and `shown` when given; otherwise the picker keeps its own today.
void set_up_picker(HWND dialog, int id, const wchar_t* format, const SYSTEMTIME* shown = nullptr);
SYSTEMTIME picked(HWND dialog, int id);

}  // namespace quivra
