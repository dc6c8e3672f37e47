// The alarms' watch, beside the launcher: the next ring armed on the launcher's
// clock, each ring shown, the rings missed while Quivra was closed or asleep.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "base/settings.h"
#include "tools/time/alarms.h"

namespace quivra {

inline constexpr UINT_PTR alarm_watch_timer = 1;

class AlarmWatch {
public:
    AlarmWatch(HWND launcher, Settings& settings);
    // The box's text naming the rings missed since Quivra last watched, or
    // empty; one-time alarms among them turn off.
    std::string missed_while_closed();
    // Arms the launcher's timer for the next ring, or stops it when none is due.
    void arm();
    // Rings what fell due up to now, a sleep's or a clock change's included, then arms again.
    void due();
    // After a change of the clock or a return from sleep.
    void clock_changed();
    bool any_on() const;
    // "Quivra　次のアラーム 12/09(水) 7:00 朝会", or "Quivra" with none.
    std::string tray_tip() const;
    // Kept for the next start: every ring up to now has been seen.
    void stop_watching();

private:
    void ring(std::size_t alarm, LocalMinute at, LocalMinute now);

    const HWND launcher_;
    Settings& settings_;
    LocalMinute seen_;  // every ring up to this minute has rung
    std::vector<std::pair<std::size_t, LocalMinute>> snoozes_;  // an alarm's ring put off, and when
};

}  // namespace quivra
