// Date and time pickers set up and read back in the formats the results use.
#pragma once

#include <windows.h>

#include "base/calendar.h"

namespace quivra {

// Fixed, so that neither the locale's format nor its AM/PM changes what shows.
inline constexpr wchar_t time_format[] = L"HH:mm:ss";
inline constexpr wchar_t date_format[] = L"yyyy'/'MM'/'dd";

// Shows `format`, and `shown` when given; otherwise the picker keeps its own
// today. A date picker's calendar shows the holidays in bold.
void set_up_picker(HWND dialog, int id, const wchar_t* format, const SYSTEMTIME* shown = nullptr);
SYSTEMTIME picked(HWND dialog, int id);
Date picked_date(HWND dialog, int id);

// A window's WM_NOTIFY: a date picker's calendar dropping down, or asking
// for the months it scrolls to, gets the holidays as bold days. True when
// the notice was such a request and is answered.
bool show_holidays(const NMHDR& notice);

}  // namespace quivra
