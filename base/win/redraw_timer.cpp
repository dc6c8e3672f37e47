// Redraw timers set one way.
#include "base/win/redraw_timer.h"

#include <algorithm>

namespace quivra {

void redraw_in(HWND window, UINT_PTR timer, std::int64_t delay_ms) {
    SetTimer(window, timer, UINT(std::max<std::int64_t>(delay_ms, USER_TIMER_MINIMUM)), nullptr);
}

}  // namespace quivra
