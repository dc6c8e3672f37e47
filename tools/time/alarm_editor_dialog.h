// The alarm editor (template 40), run over the alarms' window until OK or キャンセル.
#pragma once

#include <windows.h>

#include "base/alarm_entry.h"

namespace quivra {

// Shows `alarm` for editing; true, with `alarm` as set, on OK.
bool edit_alarm(HWND owner, AlarmEntry& alarm);

}  // namespace quivra
