// A ring of 忘れないで: a small window of its own, always on top and flashing,
// its sound again every few seconds for up to a minute.
#pragma once

#include <functional>

#include "base/alarm_entry.h"
#include "tools/time/alarms.h"

namespace quivra {

// `snooze` runs when the user asks for 5分後にもう一度.
void show_ring(const AlarmEntry& alarm, LocalMinute ring, LocalMinute now, std::function<void()> snooze);

}  // namespace quivra
