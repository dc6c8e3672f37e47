// The timer window while it counts: the time left in its status line and
// caption, redrawn as each second changes, and the ring when it is up.
#pragma once

#include <windows.h>

#include <cstdint>

#include "tools/time/timer.h"

namespace quivra {

bool counting();
// On opening: nothing counts, and the template's caption is the one to come back to.
void open_countdown(HWND dialog);
void start_countdown(HWND dialog, std::int64_t length_ms, Alarm alarm);
// Its private message once the start's click is done: the first redraw.
void begin_countdown(HWND dialog);
// A redraw; true when the time was up and it has rung.
bool countdown_tick(HWND dialog);
// Stops without a word and gives the window its own caption back.
void stop_countdown(HWND dialog);

}  // namespace quivra
