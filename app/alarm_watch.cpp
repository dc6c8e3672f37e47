// The watch: armed for the next ring only, so that the program sleeps until something is due.
#include "app/alarm_watch.h"

#include <algorithm>
#include <limits>

#include "app/alarm_ring.h"
#include "app/tool_table.h"
#include "base/win/frame.h"
#include "base/win/platform.h"
#include "base/win/private_messages.h"
#include "res/launcher_ids.h"
#include "tools/time/alarm_list_dialog.h"

namespace quivra {
namespace {

// The alarms' window, if open, shows what a ring changed.
void show_changes() {
    if (const Tool* alarms = tool_for_command(IDC_OPEN_ALARMS))
        if (HWND window = tool_window(*alarms)) SendMessageW(window, WM_ALARMS_CHANGED, 0, 0);
}

}  // namespace

AlarmWatch::AlarmWatch(HWND launcher, Settings& settings)
    : launcher_(launcher), settings_(settings), seen_(local_minute_now() - 1) {}

std::string AlarmWatch::missed_while_closed() {
    if (settings_.alarms.watched_until <= 0) return {};
    // A start after months away names the last month's, and starts at once.
    const LocalMinute since = std::max<LocalMinute>(settings_.alarms.watched_until, seen_ - 31 * minutes_a_day);
    const DaysOff office = days_off_of(settings_.office_calendar);
    std::vector<std::pair<LocalMinute, std::string>> missed;
    for (AlarmEntry& alarm : settings_.alarms.alarms) {
        if (!alarm.on) continue;
        for (LocalMinute ring : rings_between(alarm, since + 1, seen_ + 1, office)) {
            missed.emplace_back(ring, ring_moment(ring) + " " + alarm.name);
            if (alarm.repeat == AlarmRepeat::once) alarm.on = false;
        }
    }
    if (missed.empty()) return {};
    std::sort(missed.begin(), missed.end());
    std::string text = missed_alarms_heading;
    for (std::size_t i = 0; i < missed.size() && i < missed_alarms_shown; ++i) text += "\n" + missed[i].second;
    return text;
}

void AlarmWatch::arm() {
    const DaysOff office = days_off_of(settings_.office_calendar);
    std::optional<LocalMinute> next;
    for (const AlarmEntry& alarm : settings_.alarms.alarms)
        if (std::optional<LocalMinute> ring = next_ring(alarm, seen_ + 1, office); ring && (!next || *ring < *next))
            next = ring;
    if (!next) {
        KillTimer(launcher_, alarm_watch_timer);
        return;
    }
    const SYSTEMTIME now = platform().local_time();
    const std::int64_t wait_ms = (*next - local_minute_now()) * 60000 - now.wSecond * 1000 - now.wMilliseconds;
    SetTimer(launcher_, alarm_watch_timer,
             UINT(std::clamp<std::int64_t>(wait_ms, USER_TIMER_MINIMUM, std::numeric_limits<std::int32_t>::max())), nullptr);
}

void AlarmWatch::due() {
    const LocalMinute now = local_minute_now();
    if (now <= seen_) return arm();
    const DaysOff office = days_off_of(settings_.office_calendar);
    std::vector<std::pair<LocalMinute, std::size_t>> rings;
    for (std::size_t i = 0; i < settings_.alarms.alarms.size(); ++i) {
        AlarmEntry& alarm = settings_.alarms.alarms[i];
        if (!alarm.on) continue;
        for (LocalMinute ring : rings_between(alarm, seen_ + 1, now + 1, office)) rings.emplace_back(ring, i);
        if (alarm.snoozed_to > seen_ && alarm.snoozed_to <= now) {
            rings.emplace_back(alarm.snoozed_to, i);
            alarm.snoozed_to = 0;
        }
    }
    seen_ = now;
    std::sort(rings.begin(), rings.end());
    for (const auto& [at, i] : rings) {
        if (settings_.alarms.alarms[i].repeat == AlarmRepeat::once) settings_.alarms.alarms[i].on = false;
        ring(i, at, now);
    }
    arm();
    show_changes();
}

void AlarmWatch::ring(std::size_t alarm, LocalMinute at, LocalMinute now) {
    show_ring(settings_.alarms.alarms[alarm], at, now, [this, alarm, now] {
        if (alarm >= settings_.alarms.alarms.size()) return;
        AlarmEntry& snoozed = settings_.alarms.alarms[alarm];
        snoozed.on = true;  // a one-time alarm stays on until its snoozed ring
        snoozed.snoozed_to = std::max(now, local_minute_now()) + snooze_minutes;
        arm();
        show_changes();
    });
}

void AlarmWatch::clock_changed() {
    // A clock set back would ring again what already rang; one set forward, or a sleep, rings what it passed.
    seen_ = std::min(seen_, local_minute_now() - 1);
    due();
}

bool AlarmWatch::any_on() const {
    return std::any_of(settings_.alarms.alarms.begin(), settings_.alarms.alarms.end(), [](const AlarmEntry& a) { return a.on; });
}

std::string AlarmWatch::tray_tip() const {
    const DaysOff office = days_off_of(settings_.office_calendar);
    std::optional<std::pair<LocalMinute, std::string>> next;
    for (const AlarmEntry& alarm : settings_.alarms.alarms)
        if (std::optional<LocalMinute> ring = next_ring(alarm, seen_ + 1, office); ring && (!next || *ring < next->first))
            next = std::pair(*ring, alarm.name);
    return next ? "Quivra　次のアラーム " + ring_moment(next->first) + " " + next->second : "Quivra";
}

void AlarmWatch::stop_watching() { settings_.alarms.watched_until = std::int32_t(seen_); }

}  // namespace quivra
