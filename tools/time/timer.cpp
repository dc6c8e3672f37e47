// The countdown timer's start checks, clock arithmetic, enabling rule and texts.
#include "tools/time/timer.h"

#include <cstdio>

#include "base/settings.h"

namespace quivra {

namespace {

constexpr char not_in_shift_jis[] = "Shift-JISにない文字は使えません。";

std::int64_t seconds_of_day(ClockTime time) {
    return (std::int64_t(time.hour) * 60 + time.minute) * 60 + time.second;
}

// "1時間 1分 1秒", "1分 0秒" or "59秒", the units parted by `gap`.
std::string time_left(std::int64_t seconds, const char* gap) {
    long long r = seconds;
    char text[64];
    if (r >= 3600)
        std::snprintf(text, sizeof text, "%lld時間%s%lld分%s%lld秒", r / 3600, gap, r % 3600 / 60, gap,
                      r % 60);
    else if (r >= 60)
        std::snprintf(text, sizeof text, "%lld分%s%lld秒", r / 60, gap, r % 60);
    else
        std::snprintf(text, sizeof text, "%lld秒", r);
    return text;
}

}  // namespace

std::optional<std::int64_t> countdown_to(ClockTime ring_at, ClockTime now) {
    std::int64_t seconds = seconds_of_day(ring_at) - seconds_of_day(now);
    if (seconds < shortest_time_of_day_seconds) return std::nullopt;
    return seconds * 1000 - now.millisecond;
}

void Countdown::start(std::int64_t length_ms, std::uint64_t now_ms) {
    running_ = true;
    // Nothing to count: up at the first one-second tick, not at once.
    due_ms_ = now_ms + std::uint64_t(length_ms > 0 ? length_ms : 1000);
}

// The due moment less the clock, so an alarm rings on time however many
// ticks the window timer drops or merges.
std::int64_t Countdown::ms_left(std::uint64_t now_ms) const {
    return std::int64_t(due_ms_ - now_ms);
}

std::int64_t Countdown::seconds_left(std::uint64_t now_ms) const {
    std::int64_t left = ms_left(now_ms);
    return left > 0 ? (left + 999) / 1000 : 0;
}

std::int64_t Countdown::ms_to_next_second(std::uint64_t now_ms) const {
    std::int64_t left = ms_left(now_ms);
    return left > 0 ? (left - 1) % 1000 + 1 : 0;
}

std::string status_text(std::int64_t seconds_left) {
    return "タイマー作動中....あと " + time_left(seconds_left, " ") + "後です。";
}

std::string counting_caption(std::string_view own_caption, std::int64_t seconds_left) {
    return std::string(own_caption) + "　残り" + time_left(seconds_left, "");
}

Alarm alarm_at_start(std::string_view sound_path, bool message_shown, std::string_view message) {
    return {std::string(sound_path), std::string(message_shown ? message : "時間になりました。")};
}

std::string rang_text(std::string_view preset_name, int window_number, std::string_view message) {
    std::string text;
    if (!preset_name.empty()) text.append(preset_name).append("：");
    else if (window_number > 1) text.append("(").append(std::to_string(window_number)).append(")：");
    return text.append(message);
}

std::string timers_running_question(int counting) {
    return std::string("動いているタイマーが ").append(std::to_string(counting)).append(" 個あります。終了しますか？");
}

std::string preset_removal_question(std::string_view name) {
    return std::string("「").append(name).append("」を削除しますか？");
}
const char preset_name_missing[] = "名前を入れて下さい。";
const char presets_full[] = "登録できるのは20件までです。";

const char timer_counting_text[] = "タイマー作動中....";
const char timer_cancelled_text[] = "タイマーはキャンセルされました。";
const char timer_closing_question[] = "タイマーは作動中です。終了してよろしいですか？";

TimerStart check_start(const TimerRequest& request) {
    std::optional<std::int64_t> length_ms;
    switch (request.mode) {
    case TimerMode::at_time:
        length_ms = countdown_to({request.ring_at.hour, request.ring_at.minute, request.ring_at.second},
                                 request.now);
        break;
    case TimerMode::hours_later: length_ms = request.hours * 3'600'000LL; break;
    case TimerMode::minutes_later: length_ms = request.minutes * 60'000LL; break;
    }
    if (!length_ms) return {0, "最低１０秒以上の時刻でタイマーをセットして下さい。", false};
    if (!request.alarm_is_a_file) return {0, "指定されたアラームファイルは存在しません。", true};
    return {*length_ms, {}, true};
}

TimerControls timer_controls(bool running, TimerMode mode, bool message_shown) {
    if (running) return {false, false, false, false, false, true};
    return {true, mode == TimerMode::at_time, mode == TimerMode::hours_later, mode == TimerMode::minutes_later,
            message_shown, false};
}

std::string_view alarm_text_refusal(std::string_view cp932, bool representable) {
    if (!representable) return not_in_shift_jis;
    return cp932.size() > alarm_path_max_bytes ? "ファイル名は半角127字（全角63字）まで" : "";
}

std::string_view message_text_refusal(std::string_view cp932, bool representable) {
    if (!representable) return not_in_shift_jis;
    return cp932.size() > timer_message_max_bytes ? "メッセージは半角255字（全角127字）まで" : "";
}

std::string_view alarm_path_refusal(std::string_view cp932_path, bool representable) {
    if (!representable)
        return "選択されたファイルの名前には使えない文字が含まれています。別のファイルを選んで下さい。";
    if (cp932_path.size() > alarm_path_max_bytes)
        return "選択されたファイルのパスが長すぎます。半角１２７文字以内のパスのファイルを選んで下さい。";
    return {};
}

}  // namespace quivra
