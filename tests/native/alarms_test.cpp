// When alarms ring: each repeat over a week, the office calendar's days, 31 days ahead and the rings missed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/settings.h"
#include "tools/time/alarms.h"

namespace quivra {
namespace {

AlarmEntry alarm_at(int hour, int minute, AlarmRepeat repeat, std::uint8_t days = 0) {
    AlarmEntry alarm;
    alarm.hour = hour, alarm.minute = minute, alarm.repeat = repeat, alarm.days = days, alarm.name = "朝会";
    return alarm;
}

// The next ring's moment as its line shows it, from a day and time.
std::string next(const AlarmEntry& alarm, int y, int m, int d, int hour, int minute, const DaysOff& office = {}) {
    std::optional<LocalMinute> ring = next_ring(alarm, local_minute(date(y, m, d), hour, minute), office);
    return ring ? ring_moment(*ring) : "－";
}

TEST(Alarms, EachRepeatFindsItsNextRingAcrossAWeekAndTheMonthsEnd) {
    // 2026/12/05 is a Saturday.
    EXPECT_EQ(next(alarm_at(7, 0, AlarmRepeat::daily), 2026, 12, 5, 6, 59), "12/05(土) 7:00");
    EXPECT_EQ(next(alarm_at(7, 0, AlarmRepeat::daily), 2026, 12, 5, 7, 1), "12/06(日) 7:00");
    EXPECT_EQ(next(alarm_at(7, 0, AlarmRepeat::weekdays), 2026, 12, 5, 6, 0), "12/07(月) 7:00");
    EXPECT_EQ(next(alarm_at(17, 30, AlarmRepeat::chosen_days, 0b0001010), 2026, 12, 7, 18, 0), "12/09(水) 17:30")
        << "月 and 水";
    EXPECT_EQ(next(alarm_at(9, 0, AlarmRepeat::daily), 2026, 12, 31, 10, 0), "01/01(金) 9:00");
    AlarmEntry once = alarm_at(9, 0, AlarmRepeat::once);
    once.date = date(2026, 12, 9);
    EXPECT_EQ(next(once, 2026, 12, 8, 12, 0), "12/09(水) 9:00");
    EXPECT_EQ(next(once, 2026, 12, 9, 9, 1), "－") << "once, and past";
    once.on = false;
    EXPECT_EQ(next(once, 2026, 12, 8, 12, 0), "－");
}

TEST(Alarms, BusinessDaysFollowTheOfficeCalendarAndItsYearEnd) {
    const AlarmEntry daily_meeting = alarm_at(9, 0, AlarmRepeat::business_days);
    OfficeCalendarKept kept;
    kept.year_end_off = 1;
    const DaysOff government = days_off_of(kept);
    kept.year_end_kind = 1;
    const DaysOff bank = days_off_of(kept);
    EXPECT_EQ(next(daily_meeting, 2026, 12, 28, 10, 0, government), "01/04(月) 9:00");
    EXPECT_EQ(next(daily_meeting, 2026, 12, 28, 10, 0, bank), "12/29(火) 9:00");
    EXPECT_EQ(next(daily_meeting, 2026, 5, 2, 8, 0, government), "05/07(木) 9:00") << "振替休日 5/6";
    kept.entries = {{false, true, date(2000, 8, 13), date(2000, 8, 16), "お盆休み"},
                    {true, false, date(2027, 8, 14), date(2027, 8, 14), "出勤"}};
    EXPECT_EQ(next(daily_meeting, 2027, 8, 13, 8, 0, days_off_of(kept)), "08/14(土) 9:00") << "a working Saturday";
    kept.entries.pop_back();
    EXPECT_EQ(next(daily_meeting, 2027, 8, 13, 8, 0, days_off_of(kept)), "08/17(火) 9:00");
}

TEST(Alarms, RingsInASpanAreThoseBetweenTwoMomentsWhicheverWayTheClockMoved) {
    const AlarmEntry weekdays = alarm_at(9, 0, AlarmRepeat::weekdays);
    const LocalMinute from = local_minute(date(2026, 12, 8), 12, 0);
    const std::vector<LocalMinute> month = rings_between(weekdays, from, from + 31 * minutes_a_day, {});
    ASSERT_EQ(month.size(), 23u);
    EXPECT_EQ(ring_day_line(month.front()), "2026/12/09 (水)  9:00");
    EXPECT_EQ(ring_day_line(month.back()), "2027/01/08 (金)  9:00");
    EXPECT_TRUE(rings_between(weekdays, from, from - 60, {}).empty()) << "a clock set back misses nothing";
    EXPECT_EQ(rings_between(weekdays, local_minute(date(2026, 12, 8), 8, 59), local_minute(date(2026, 12, 8), 9, 1), {}).size(), 1u);
}

TEST(Alarms, LinesNameTheRepeatAndTheNextRingAndALateRingSaysWhichMinuteItWasFor) {
    AlarmEntry meeting = alarm_at(7, 0, AlarmRepeat::business_days);
    EXPECT_EQ(alarm_line(meeting, local_minute(date(2026, 12, 9), 7, 0)), "●\t 7:00\t営業日\t朝会\t12/09(水) 7:00");
    meeting.on = false;
    meeting.repeat = AlarmRepeat::chosen_days, meeting.days = 0b0001011;
    EXPECT_EQ(alarm_line(meeting, std::nullopt), "○\t 7:00\t日月水\t朝会\t－");
    const LocalMinute ring = local_minute(date(2026, 12, 9), 7, 0);
    EXPECT_EQ(ring_title(meeting, ring, ring), "朝会   7:00");
    EXPECT_EQ(ring_title(meeting, ring, ring + 90), "朝会   7:00（ 7:00 の分）");
}

TEST(AlarmEntry, ReadsItsLineAndSkipsWhatIsNotOne) {
    AlarmEntry alarm = alarm_at(9, 5, AlarmRepeat::chosen_days, 0b1000001);
    alarm.sound = "C:\\bell.wav", alarm.message = "会議\tです";
    const std::optional<AlarmEntry> back = read_alarm_entry(alarm_entry_text(alarm));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->message, "会議 です");
    EXPECT_EQ(alarm_entry_text(*back), "1\t0905\t4\t1000001\t20000101\t朝会\tC:\\bell.wav\t会議 です");
    for (const char* wrong : {"1\t2500\t0\t0000000\t20261209\tx\t\t", "1\t0900\t5\t0000000\t20261209\tx\t\t",
                              "1\t0900\t0\t000000\t20261209\tx\t\t", "1\t0900\t0\t0000000\t20261232\tx\t\t", "1\t0900"})
        EXPECT_FALSE(read_alarm_entry(wrong)) << wrong;
}

}  // namespace
}  // namespace quivra
