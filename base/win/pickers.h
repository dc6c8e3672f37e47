// Date and time pickers set up and read back in the formats the results use.
#pragma once

#include <windows.h>
// After windows.h, which it relies on.
#include <commctrl.h>

#include <cstdint>
#include <functional>

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

// A month's days in bold, bit d-1 for day d.
using MonthBits = std::function<std::uint32_t(int year, int month)>;
// Answers a month calendar's request for the months it is about to show.
void fill_day_states(NMDAYSTATE& request, const MonthBits& bits);
// Hands a month calendar the day states of the months it shows now.
void set_day_states(HWND calendar, const MonthBits& bits);

// A window's WM_NOTIFY: a date picker's calendar dropping down, or asking
// for the months it scrolls to, gets the holidays as bold days. True when
// the notice was such a request and is answered.
bool show_holidays(const NMHDR& notice);

}  // namespace quivra
