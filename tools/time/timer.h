// The countdown timer's rules: what may start, its length and the time
// left on a monotonic clock, which controls are live, and its texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quivra {

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// A time of day to ring at must lie at least this far ahead, today.
inline constexpr int shortest_time_of_day_seconds = 10;

// Milliseconds from `now` until `ring_at` today, counted from the start
// of now's second so the alarm falls on the second the user picked;
// empty when ring_at is less than the shortest time ahead.
std::optional<std::int64_t> countdown_to(ClockTime ring_at, ClockTime now);

class Countdown {
public:
    // A length of 0 is up a second after the start.
    void start(std::int64_t length_ms, std::uint64_t now_ms);
    void stop() { running_ = false; }
    bool running() const { return running_; }
    // Whole seconds left, rounded up; 0 once the time is up.
    std::int64_t seconds_left(std::uint64_t now_ms) const;
    // Until seconds_left next changes; 0 once the time is up.
    std::int64_t ms_to_next_second(std::uint64_t now_ms) const;

private:
    std::int64_t ms_left(std::uint64_t now_ms) const;

    bool running_ = false;
    std::uint64_t due_ms_ = 0;
};

// The status line while seconds are left: "タイマー作動中....あと 59秒後です。"
std::string status_text(std::int64_t seconds_left);

// The window's caption while seconds are left, so that a minimised timer
// reads from the taskbar: "Quivra　私、待つわ　タイマー　残り4分59秒".
std::string counting_caption(std::string_view own_caption, std::int64_t seconds_left);

// What rings when the time is up, fixed when the countdown starts.
struct Alarm {
    std::string sound_path;
    std::string message;  // the box's text
    bool operator==(const Alarm&) const = default;
};

// The user's message only when "show a message" was checked at the start:
// a message kept from an earlier run is not this countdown's.
Alarm alarm_at_start(std::string_view sound_path, bool message_shown, std::string_view message);

// The box's text for a timer told apart from the others: a preset's name
// before it ("カップめん：時間になりました。"), else a window's number past
// the first ("(2)：会議室へ"); the first window's own, as it is.
std::string rang_text(std::string_view preset_name, int window_number, std::string_view message);

// Timer windows open at once, at most.
inline constexpr int most_timers = 9;

// The one question before the program closes with `counting` timers running, two or more.
std::string timers_running_question(int counting);

// Asked before a preset goes, and when one would get no name.
std::string preset_removal_question(std::string_view name);
extern const char preset_name_missing[];
extern const char presets_full[];

extern const char timer_counting_text[];
extern const char timer_cancelled_text[];
extern const char timer_closing_question[];

enum class TimerMode { at_time, hours_later, minutes_later };

// What the user set when pressing タイマースタート.
struct TimerRequest {
    TimerMode mode = TimerMode::at_time;
    ClockTime ring_at;  // its milliseconds are ignored
    ClockTime now;
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    bool alarm_is_a_file = false;  // the typed path names an existing file
};

struct TimerStart {
    std::int64_t length_ms = 0;
    std::string_view refusal;  // the box's text; empty when it starts
    // A refused time keeps nothing; past it the typed path is kept even
    // when it names no file, so that it shows again at the next opening.
    bool keeps_alarm_path = false;
};

TimerStart check_start(const TimerRequest& request);

// Which of the timer's controls take input.
struct TimerControls {
    bool choices = true;  // the three modes, the alarm and message choices, the start button
    bool ring_time = false;
    bool hours = false;
    bool minutes = false;
    bool message = false;
    bool cancel = false;
    bool operator==(const TimerControls&) const = default;
};

TimerControls timer_controls(bool running, TimerMode mode, bool message_shown);

// Why text typed, pasted or set into the alarm path or the message cannot
// be kept, or empty when it can. `representable` is false when the text had
// characters that CP932 lacks, so `cp932` is not what the field shows.
std::string_view alarm_text_refusal(std::string_view cp932, bool representable);
std::string_view message_text_refusal(std::string_view cp932, bool representable);

// Why a path chosen with the file dialog cannot become the alarm, or
// empty when it can. Cutting it would name another file.
std::string_view alarm_path_refusal(std::string_view cp932_path, bool representable);

}  // namespace quivra
