// The time tools' engines: dates, the counting tools, the duration calculator, times of day, the world clock.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "base/settings.h"
#include "base/stored_row.h"
#include "base/calendar.h"
#include "tools/time/timer.h"
#include "tools/time/date_calculator.h"
#include "tools/time/date_texts.h"
#include "tools/time/stopwatch.h"
#include "tools/time/time_calculator.h"
#include "tools/time/time_of_day.h"
#include "tools/time/world_clock.h"

namespace quivra {
namespace {

TEST(Calendar, RefusesFieldsOutOfRangeAndDaysPastEitherEnd) {
    for (const Date& day : {date(0, 1, 1), date(2004, 0, 1), date(2004, 13, 1), date(2004, 1, 0), date(2001, 2, 29)})
        EXPECT_FALSE(is_valid_date(day)) << int(day.year()) << "-" << unsigned(day.month()) << "-" << unsigned(day.day());
    EXPECT_FALSE(add_days(date(1, 1, 1), -1));
    EXPECT_FALSE(add_days(date(32767, 12, 31), 1));
    for (std::int64_t days : {std::int64_t{INT32_MAX}, std::int64_t{INT32_MIN}, INT64_MAX, INT64_MIN})
        EXPECT_FALSE(add_days(date(2004, 1, 1), days)) << days;
}

TEST(DateCalculator, ShowsTheDateAndItsWeekdayOrRefusesWhatCannotBe) {
    const struct { std::optional<Date> day; const char* shown; } cases[] = {
        {date(1, 1, 1), "   1/ 1/ 1 月"}, {date(2004, 2, 29), "2004/ 2/29 日"},
        {date(32767, 12, 31), "32767/12/31 日"}, {date(2001, 2, 29), " ？"}, {std::nullopt, " ？"},
    };
    const auto shown = [](const DateAfter& after) { return after.date + " " + after.weekday; };
    for (const auto& c : cases) EXPECT_EQ(shown(describe_date(c.day)), c.shown);
    EXPECT_EQ(days_counted(date(1999, 12, 31), date(2000, 3, 1), false), 61);
    EXPECT_EQ(days_counted(date(2000, 3, 1), date(1999, 12, 31), true), -62);
}

TEST(DateCalculator, CopiesTheDateWithItsHolidayAndItsEraOnASecondLineAndNothingWithoutADate) {
    EXPECT_EQ(copied_date(describe_date(date(2019, 5, 1))), "2019/ 5/ 1 水曜日 天皇の即位の日\r\n令和元年5月1日");
    EXPECT_EQ(copied_date(describe_date(date(2019, 5, 7))), "2019/ 5/ 7 火曜日\r\n令和元年5月7日");
    EXPECT_EQ(copied_date(describe_date(date(1868, 9, 7))), "1868/ 9/ 7 月曜日") << "before the first era";
    EXPECT_EQ(copied_date(describe_date(std::nullopt)), "");
    EXPECT_EQ(copied_days(-61), "-61日間");
}

TEST(EraDate, EachEraBeginsOnItsFirstDayWithYearOneAsGannen) {
    const struct { Date day; const char* shown; } cases[] = {
        {date(1868, 9, 7), ""}, {date(1868, 9, 8), "明治元年9月8日"}, {date(1912, 7, 29), "明治45年7月29日"},
        {date(1912, 7, 30), "大正元年7月30日"}, {date(1926, 12, 24), "大正15年12月24日"},
        {date(1926, 12, 25), "昭和元年12月25日"}, {date(1989, 1, 7), "昭和64年1月7日"},
        {date(1989, 1, 8), "平成元年1月8日"}, {date(2019, 4, 30), "平成31年4月30日"},
        {date(2019, 5, 1), "令和元年5月1日"}, {date(2026, 12, 7), "令和8年12月7日"},
        {date(32767, 12, 31), "令和30749年12月31日"}, {date(1, 1, 1), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(era_date(c.day), c.shown) << int(c.day.year());
    EXPECT_EQ(describe_date(std::nullopt).era, "") << "no date, no era";
}

TEST(CountingTexts, ChangeFormAtTheMinuteAndTheHour) {
    // The hours have no bound.
    EXPECT_EQ((std::vector{elapsed_text(599), elapsed_text(600), elapsed_text(36000), elapsed_text(36'000'601)}),
              (std::vector<std::string>{"59.9秒", "1分 0.0秒", "1時間 0分 0.0秒", "1000時間 1分 0.1秒"}));
    EXPECT_EQ((std::vector{status_text(3661), status_text(60), status_text(59)}),
              (std::vector<std::string>{"タイマー作動中....あと 1時間 1分 1秒後です。",
                                        "タイマー作動中....あと 1分 0秒後です。",
                                        "タイマー作動中....あと 59秒後です。"}));
    const std::string own = "Quivra　私、待つわ　タイマー";
    EXPECT_EQ((std::vector{counting_caption(own, 3661), counting_caption(own, 299), counting_caption(own, 59)}),
              (std::vector<std::string>{own + "　残り1時間1分1秒", own + "　残り4分59秒", own + "　残り59秒"}));
}

TEST(Stopwatch, RedrawsTimedForTheNextTenthShowEveryTenthThoughEachArrivesLate) {
    Stopwatch watch;
    watch.start(1'000'003);
    std::vector<std::string> shown, every;
    for (std::uint64_t now = 1'000'003, late_ms = 9; shown.size() < 30; late_ms = 9 + shown.size() % 3 * 30) {
        now += std::uint64_t(watch.ms_to_next_tenth(now)) + late_ms;
        shown.push_back(watch.reading(now));
        every.push_back(elapsed_text(std::int64_t(shown.size())));
    }
    EXPECT_EQ(shown, every) << "ticks 9 to 69 ms late, as a busy system delivers them";
}

TEST(Stopwatch, LapsAddUpToTheirTotalsNewestFirstAndOnlyWhileRunning) {
    Stopwatch watch;
    watch.lap(1'000);
    EXPECT_TRUE(watch.laps().empty()) << "idle";
    watch.start(10'000);
    // Laps that fall mid-tenth still add up to the total shown beside them.
    for (std::uint64_t at : {11'250, 13'549, 10'000 + 600'050}) watch.lap(at);
    EXPECT_EQ(watch.laps(), (std::vector<std::string>{"  3\t9分 56.5秒\t10分 0.0秒",
                                                      "  2\t2.3秒\t3.5秒",
                                                      "  1\t1.2秒\t1.2秒"}));
    watch.stop(700'000);
    EXPECT_EQ(watch.reading(750'000), "11分 30.0秒") << "the reading of the stop";
    watch.lap(700'100);
    EXPECT_EQ(watch.laps().size(), 3u) << "stopped: the laps stay, none is added";
    watch.start(800'000);
    EXPECT_TRUE(watch.laps().empty()) << "a new start clears them";
    watch.lap(800'400);
    EXPECT_EQ(watch.laps(), std::vector<std::string>{"  1\t0.4秒\t0.4秒"});
}

TEST(Countdown, TimeLeftComesFromTheClockWhenTicksAreLostOrMerged) {
    Countdown countdown;
    constexpr std::uint64_t start = 7'000'000;
    countdown.start(60'000, start);
    const auto left = [&](std::uint64_t ms) { return countdown.seconds_left(start + ms); };
    // A tick a moment early, forty merged into one, the last second, up on the dot, after a sleep.
    EXPECT_EQ((std::vector{left(999), left(45'500), left(59'999), left(60'000), left(3'600'000)}),
              (std::vector<std::int64_t>{60, 15, 1, 0, 0}));
    EXPECT_EQ(countdown.ms_to_next_second(start + 999), 1) << "the early tick is followed at once";

    countdown.start(0, start);
    EXPECT_EQ(countdown.ms_to_next_second(start), 1000) << "a zero length waits for the first tick";
    EXPECT_EQ((std::vector{left(800), left(1000)}), (std::vector<std::int64_t>{1, 0}));
}

TEST(Countdown, ATimeOfDayMustLieTenSecondsAheadTodayAndFallsOnItsSecond) {
    ClockTime noon{12, 0, 0, 0};
    EXPECT_EQ(countdown_to({12, 0, 10}, noon), 10'000);
    EXPECT_EQ(countdown_to({12, 0, 9}, noon), std::nullopt);
    EXPECT_EQ(countdown_to({0, 0, 30}, {23, 59, 50}), std::nullopt) << "no wrap to tomorrow";
    EXPECT_EQ(countdown_to({13, 0, 0}, {12, 0, 0, 400}), 3'599'600);
}

TEST(Timer, StartChecksTheTimeBeforeTheAlarmAndKeepsThePathOnlyPastTheTime) {
    const ClockTime noon{12, 0, 0, 400};
    const auto start = [&](TimerMode mode, ClockTime ring_at, bool alarm_is_a_file) {
        TimerStart answer = check_start({mode, ring_at, noon, 2, 5, alarm_is_a_file});
        return std::tuple(answer.length_ms, answer.refusal.empty(), answer.keeps_alarm_path);
    };
    EXPECT_EQ(start(TimerMode::at_time, {12, 0, 10, 999}, true), std::tuple(9'600, true, true))
        << "on the picked second, whatever its milliseconds";
    EXPECT_EQ(start(TimerMode::at_time, {12, 0, 9}, false), std::tuple(0, false, false)) << "too soon: nothing kept";
    EXPECT_EQ(start(TimerMode::at_time, {12, 0, 10}, false), std::tuple(0, false, true)) << "no file: the path is kept";
    EXPECT_EQ(start(TimerMode::hours_later, {}, true), std::tuple(7'200'000, true, true));
    EXPECT_EQ(start(TimerMode::minutes_later, {}, true), std::tuple(300'000, true, true));
    EXPECT_NE(check_start({TimerMode::at_time, {12, 0, 9}, noon}).refusal,
              check_start({TimerMode::at_time, {12, 0, 10}, noon}).refusal);
}

TEST(Timer, WhileCountingOnlyCancelIsLiveAndIdleOnlyTheChosenModesFields) {
    EXPECT_EQ(timer_controls(true, TimerMode::hours_later, true), (TimerControls{false, false, false, false, false, true}));
    EXPECT_EQ(timer_controls(false, TimerMode::at_time, false), (TimerControls{true, true, false, false, false, false}));
    EXPECT_EQ(timer_controls(false, TimerMode::hours_later, true), (TimerControls{true, false, true, false, true, false}));
    EXPECT_EQ(timer_controls(false, TimerMode::minutes_later, false).minutes, true);
}

TEST(Timer, TextIsMeasuredInShiftJisBytesAndRefusedWholeBeyondItsLimit) {
    auto repeated = [](std::string_view piece, int n) { std::string text; while (n--) text += piece; return text; };
    auto fits = [](auto refusal, const std::string& text) { return refusal(text, true).empty(); };
    EXPECT_TRUE(fits(alarm_text_refusal, repeated("あ", 63) + "x"));
    EXPECT_FALSE(fits(alarm_text_refusal, repeated("あ", 64))) << "64 characters, 128 bytes";
    EXPECT_TRUE(fits(message_text_refusal, repeated("お", 127)));
    EXPECT_FALSE(fits(message_text_refusal, repeated("お", 200)));
    EXPECT_TRUE(fits(message_text_refusal, repeated("ｱ", 255))) << "half-width katakana take one byte each";
    EXPECT_FALSE(fits(message_text_refusal, repeated("ｱ", 256)));
    EXPECT_NE(message_text_refusal("?", false), message_text_refusal(repeated("ｱ", 256), true))
        << "a character Shift-JIS lacks is named as such, however short the text";
}

// Keys by their mnemonics, in the order of Key: digits, C (ＣＥ), A (ＡＣ), * / + - =, H M S, F (sign).
// Returns the effect of the last key.
Effect type(TimeCalculator& calculator, std::string_view keys) {
    Effect effect = Effect::none;
    for (char c : keys) effect = calculator.press(Key(std::string_view("0123456789CA*/+-=HMSF").find(c)));
    return effect;
}

CalculatorDisplay after(std::string_view keys) {
    TimeCalculator calculator;
    type(calculator, keys);
    return calculator.display();
}

TEST(TimeCalculator, ChainsDurationsLikeADeskCalculatorAndKeepsTheLastRemainder) {
    const struct { const char* keys; const char* result; const char* status; } cases[] = {
        // The first operand shows as keyed; the accumulator starts at 0; a second operator
        // replaces the first; a sign after ＝ leaves the result; a lone sign reads as 0.
        {"1H30+", "1時間30", ""}, {"1H30+45M=", "1時間45分30秒", ""}, {"*5S=", "0秒", ""},
        {"5+-3=", "2秒", ""}, {"5=F+3=", "8秒", ""}, {"F90-F=", "-1分30秒", ""},
        {"F1H30M*1=", "-1時間30分0秒", ""}, {"5*3=A7+", "7", ""}, {"100S/", "100秒", ""},
        {"100S/7=", "14秒", "余りは....2 秒です。"}, {"F7/2=", "-3秒", "余りは....-1 秒です。"},
        {"100/30=A9/F=", "0秒", "余りは....10 秒です。"},  // division by zero is no error
    };
    for (const auto& c : cases) {
        const CalculatorDisplay shown = after(c.keys);
        EXPECT_EQ(std::tuple(shown.result_line, shown.status), std::tuple(c.result, c.status)) << c.keys;
    }
    EXPECT_EQ(after("F1H30M").entry_line, "-1時間30分");
    CalculatorDisplay cleared = after("5*3=A");
    EXPECT_EQ(cleared.result_line + cleared.operator_box + cleared.entry_line + cleared.status, "");
    TimeCalculator calculator;
    EXPECT_EQ(std::tuple(type(calculator, "+"), type(calculator, "5+"), type(calculator, "-"), type(calculator, "3=")),
              std::tuple(Effect::operator_changed, Effect::none, Effect::operator_changed, Effect::none))
        << "only an operator that takes an operand is carried out";
}

TEST(TimeCalculator, RefusedKeysOnlyBeepAndSayWhy) {
    const char* number = "数値を入力して下さい";
    const struct { const char* keys; const char* status; const char* entry; } cases[] = {
        {"1H0", number, "1時間"}, {"H", number, ""}, {"5M1H", number, "5分1"}, {"5S1M", number, "5秒"},
        {"5=C1", "演算子を入力して下さい", ""},
        {"1234567890123456789012341", "入力できるのは最大２４桁までです", "123456789012345678901234"},
        {"1234567890123456789012S1", number, "1234567890123456789012秒"},
    };
    for (const auto& c : cases) {
        TimeCalculator calculator;
        EXPECT_EQ(type(calculator, c.keys), Effect::beep) << c.keys;
        const CalculatorDisplay shown = calculator.display();
        EXPECT_EQ(std::tuple(shown.status, shown.entry_line), std::tuple(c.status, c.entry)) << c.keys;
    }
    EXPECT_EQ(after("10").status, "数値はそれぞれ最大５桁まで入力できます");
    EXPECT_EQ(after("0C").status, number) << "ＣＥ leaves the status line";
}

TEST(TimeCalculator, OverflowLeavesEverythingForTheUserToClear) {
    EXPECT_EQ(after("20000*20000=").result_line, "111111時間6分40秒") << "the limit itself";
    EXPECT_EQ(after("F20000*20000=").result_line, "-111111時間6分40秒");
    EXPECT_EQ(read_entry("99999時間99999分99999秒"), 99999 * 3600 + 99999 * 60 + 99999);
    const struct { const char* chain; const char* operand; } cases[] = {
        {"20000*20000=+", "1"}, {"F20000*20000=-", "1"}, {"99999H*", "2"},
        {"99999H*", "99999H"},  // wraps to a small number in 32 bits
        {"", "123456S"}, {"", "123456789012345678901234HFMS"},  // units pass 24 bytes
    };
    for (const auto& c : cases) {
        TimeCalculator calculator;
        type(calculator, c.chain);
        CalculatorDisplay was = calculator.display();
        type(calculator, c.operand);
        EXPECT_EQ(type(calculator, "="), Effect::overflow_report) << c.chain << c.operand;
        CalculatorDisplay now = calculator.display();
        EXPECT_EQ(std::tuple(now.status, now.result_line, now.operator_box, now.entry_line.empty()),
                  std::tuple("ＣＥかＡＣでクリアして下さい", was.result_line, was.operator_box, false));
        type(calculator, "CF1=");
        EXPECT_NE(calculator.display().result_line, was.result_line) << "ＣＥ and carry on";
    }
}

constexpr std::int32_t at(std::int32_t h, std::int32_t m, std::int32_t s) { return h * 3600 + m * 60 + s; }

TEST(TimeOfDay, ConversionPadsEachFieldToTwoPlacesAndSpansAreSignedWithoutWrappingPastMidnight) {
    const auto both = [](const ConvertedTime& t) { return std::tuple(t.hours_minutes_seconds, t.minutes_seconds); };
    EXPECT_EQ(both(convert_time(0, 0, 0)), std::tuple(" 0時間 0分 0秒", "0分 0秒（0秒）"));
    EXPECT_EQ(both(convert_time(999, 999, 999)), std::tuple("1015時間55分39秒", "60955分39秒（3657339秒）"));
    EXPECT_EQ((std::vector{time_span(at(9, 0, 0), at(17, 30, 15)), time_span(at(17, 30, 15), at(9, 0, 0)),
                           time_span(at(23, 0, 0), at(1, 0, 0))}),
              (std::vector<std::string>{" 8時間30分15秒", "- 8時間30分15秒", "-22時間 0分 0秒"}));
}

TEST(TimeOfDay, OffsetNamesTheDayItFallsOn) {
    // The same day's field, then the other day's: one of them is always empty.
    const struct { std::int32_t start, hours, minutes; const char* shown; } cases[] = {
        {at(23, 30, 0), 1, 0, "|翌日の0時30分0秒"}, {at(23, 0, 0), 0, 59, "23時59分0秒|"},
        {at(0, 10, 0), 0, -20, "|前日の23時50分0秒"}, {at(0, 0, 0), 0, 0, "0時0分0秒|"},
        {at(0, 0, 0), -24, 0, "|前日の0時0分0秒"}, {at(0, 0, 1), -96, 0, "|４日前の0時0分1秒"},
        {at(23, 59, 59), 99, 99, "|５日後の4時38分59秒"}, {at(0, 0, 0), -99, -99, "|５日前の19時21分0秒"},
    };
    for (const auto& c : cases) {
        OffsetTime result = offset_time(c.start, (c.hours * 60 + c.minutes) * 60);
        EXPECT_EQ(result.same_day + "|" + result.other_day, c.shown);
    }
}

constexpr std::int64_t tokyo = 0, sydney = 11, wellington = 12, london = 23;

// What follows the name's 30 bytes and its tab.
std::string time_part(const std::string& line) { return line.substr(31); }

TEST(WorldClock, EveryPairOfCitiesAtTheDayBoundaries) {
    const struct { int n; std::string shown; } boundaries[] = {
        {-1, "23時 5分 前日"}, {0, " 0時 5分 "}, {24, "24時 5分 "}, {25, " 1時 5分 翌日"}};
    for (std::size_t s = 0; s < city_count; ++s)
        for (std::size_t i = 0; i < city_count; ++i)
            for (const auto& b : boundaries) {
                int hour = b.n - (cities[i].hours_from_japan - cities[s].hours_from_japan);
                if (hour < 0 || hour > 23) continue;
                EXPECT_EQ(time_part(world_times(std::int64_t(s), hour, 5, false)[i]), b.shown)
                    << cities[i].name << " when it is " << hour << " at " << cities[s].name;
            }
}

TEST(WorldClock, NamesFillThirtyBytesAndSummerTimeMovesEveryRowTheChosenOneIncluded) {
    EXPECT_EQ(world_times(tokyo, 23, 30, false)[wellington], "ウェリントン(ニュージーランド)\t 2時30分 翌日");
    auto summer = world_times(london, 12, 0, true);
    EXPECT_EQ((std::vector{time_part(summer[tokyo]), time_part(summer[london]),
                           time_part(world_times(wellington, 23, 59, true)[wellington])}),
              (std::vector<std::string>{"22時 0分 ", "13時 0分 ", "24時59分 "}));
}

// Tokyo without summer time; London an hour ahead from 2026/03/29 01:00 to
// 2026/10/25 01:00 UTC, as the real rule has it. Any other zone is unknown.
class TwoZones final : public TimeZones {
public:
    std::optional<ZoneOffset> offset_at(std::string_view zone, std::int64_t utc) override {
        if (zone == "Tokyo Standard Time") return ZoneOffset{9 * 60, false};
        if (zone != "GMT Standard Time") return std::nullopt;
        bool summer = utc >= spring && utc < autumn;
        return ZoneOffset{summer ? 60 : 0, summer};
    }
    std::optional<std::int64_t> universal_minute(std::string_view zone, std::int64_t local) override {
        if (zone == "Tokyo Standard Time") return local - 9 * 60;
        if (zone != "GMT Standard Time") return std::nullopt;
        // Summer time for an hour the clock shows twice; standard for one it skips.
        return offset_at(zone, local - 60)->daylight ? local - 60 : local;
    }

private:
    // 2026/03/29 01:00 and 2026/10/25 01:00 UTC: FILETIME's minutes from 1601
    // (155,228 days to 2026/01/01, then 87 and 297 more).
    static constexpr std::int64_t spring = (155'228LL + 87) * 1440 + 60, autumn = (155'228LL + 297) * 1440 + 60;
};

TEST(WorldClockByZone, EachCityChangesOnItsOwnDateAndAnUnknownZoneKeepsItsTableHours) {
    TwoZones zones;
    const struct { std::int64_t chosen; DateMinute local; const char* london; const char* tokyo; } cases[] = {
        {tokyo, {date(2026, 3, 29), 9, 59}, " 0時59分 ", " 9時59分 "},
        {tokyo, {date(2026, 3, 29), 10, 0}, " 2時 0分  夏時間", "10時 0分 "},
        {tokyo, {date(2026, 10, 25), 9, 59}, " 1時59分  夏時間", " 9時59分 "},
        {tokyo, {date(2026, 10, 25), 10, 0}, " 1時 0分 ", "10時 0分 "},
        {tokyo, {date(2026, 7, 1), 7, 30}, "23時30分 前日 夏時間", " 7時30分 "},
        // London's skipped hour reads as standard time, its doubled hour as summer time.
        {london, {date(2026, 3, 29), 1, 30}, " 2時30分  夏時間", "10時30分 "},
        {london, {date(2026, 10, 25), 1, 30}, " 1時30分  夏時間", " 9時30分 "},
        {london, {date(2026, 12, 31), 23, 0}, "23時 0分 ", " 8時 0分 翌日"},
    };
    for (const auto& c : cases) {
        auto lines = world_times_by_zone(c.chosen, c.local, zones);
        EXPECT_EQ(std::tuple(time_part(lines[london]), time_part(lines[tokyo])), std::tuple(c.london, c.tokyo))
            << c.chosen << " at " << unsigned(c.local.date.month()) << "/" << unsigned(c.local.date.day()) << " " << c.local.hour << ":"
            << c.local.minute;
    }
    // Sydney is unknown here: its standard hours from the table, never summer time.
    EXPECT_EQ(time_part(world_times_by_zone(tokyo, {date(2026, 12, 15), 23, 30}, zones)[sydney]), " 0時30分 翌日");
}

TEST(WorldClock, MinutesCountFrom1601AsWindowsCountsThem) {
    // 11,644,473,600 s from 1601 to 1970, as every FILETIME conversion uses.
    EXPECT_EQ(minute_number({date(1970, 1, 1), 0, 0}), 11'644'473'600LL / 60);
    EXPECT_EQ(minute_number({date(1601, 1, 1), 0, 1}), 1);
    DateMinute back = at_minute_number(minute_number({date(2026, 12, 31), 23, 59}));
    EXPECT_EQ(std::tuple(back.date, back.hour, back.minute), std::tuple(date(2026, 12, 31), 23, 59));
}

TEST(WorldClock, AChoiceOutsideTheTableReportsForTheFirstRow) {
    const auto first = world_times(tokyo, 9, 0, false);
    for (std::int64_t stored : {std::int64_t(-1), std::int64_t(city_count), std::int64_t(INT_MIN)}) {
        EXPECT_EQ(stored_row(stored, city_count), 0u);
        EXPECT_EQ(world_times(stored, 9, 0, false), first) << stored;
    }
    EXPECT_EQ(stored_row(std::int64_t(city_count) - 1, city_count), city_count - 1);
}

}  // namespace
}  // namespace quivra
