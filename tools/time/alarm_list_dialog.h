// 忘れないで: the alarms, each with its next ring and the next 31 days of the one chosen.
#pragma once

#include "base/win/frame.h"

namespace quivra {

std::unique_ptr<ToolWindow> make_alarms_window(HWND window, AlarmsKept& kept, OfficeCalendarKept& office);

// The local minute now, as the alarms count.
std::int64_t local_minute_now();

}  // namespace quivra
