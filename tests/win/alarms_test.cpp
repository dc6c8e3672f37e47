// 忘れないで under a fake clock: editing, the watch's rings and snooze, a sleep, the missed alarms' box, the tray and the Run value.
#include <windows.h>

#include <commctrl.h>

#include "app/launcher.h"
#include "base/win/startup_entry.h"
#include "base/win/text.h"
#include "res/dialogs/alarms.h"
#include "res/launcher_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

class AlarmsTest : public WindowTest {
protected:
    // Adds an alarm through its editor, as the user fills it in.
    void add(HWND alarms, const wchar_t* name, WORD hour, WORD minute, int repeat, const wchar_t* message = L"") {
        during_next_modal([=] {
            HWND editor = tool_window_with(IDC_ALARM_NAME);
            ASSERT_NE(editor, nullptr);
            SetDlgItemTextW(editor, IDC_ALARM_NAME, name);
            set_picker(editor, IDC_ALARM_TIME, {2026, 12, 1, 7, hour, minute, 0, 0});
            SendDlgItemMessageW(editor, IDC_ALARM_REPEAT, CB_SETCURSEL, WPARAM(repeat), 0);
            SendMessageW(editor, WM_COMMAND, MAKEWPARAM(IDC_ALARM_REPEAT, CBN_SELCHANGE), 0);
            SetDlgItemTextW(editor, IDC_ALARM_MESSAGE, message);
            SendMessageW(editor, WM_COMMAND, IDOK, 0);
        });
        click(alarms, IDC_ALARM_ADD);
    }
    // Moves the fake wall clock and lets the watch see it, as its timer would.
    void clock_at(WORD hour, WORD minute, WORD day = 7) {
        fake.local.wDay = day, fake.local.wHour = hour, fake.local.wMinute = minute, fake.local.wSecond = 0;
        SendMessageW(launcher_window, WM_TIMER, 1, 0);
    }
    static constexpr int once = 0, business_days = 3;
};

TEST_F(AlarmsTest, AnAlarmOnBusinessDaysShowsItsNextRingAndItsNext31Days) {
    HWND alarms = open(IDC_OPEN_ALARMS);
    add(alarms, L"朝会", 9, 0, business_days);
    EXPECT_EQ(list_lines(alarms, IDC_ALARM_LIST), std::vector<std::string>{"●\t 9:00\t営業日\t朝会\t12/08(火) 9:00"});
    const auto days = list_lines(alarms, IDC_ALARM_RINGS);
    ASSERT_FALSE(days.empty());
    EXPECT_EQ(days.front(), "2026/12/08 (火)  9:00");
    EXPECT_EQ(days.size(), 22u) << "12/08 to 1/07 without 土日祝";
    click(alarms, IDC_ALARM_SWITCH);
    EXPECT_EQ(list_lines(alarms, IDC_ALARM_LIST).at(0), "○\t 9:00\t営業日\t朝会\t－");
    fake.answers = {true};
    click(alarms, IDC_ALARM_REMOVE);
    EXPECT_TRUE(list_lines(alarms, IDC_ALARM_LIST).empty());
}

TEST_F(AlarmsTest, ARingShowsItsWindowAndASnoozeRingsFiveMinutesLaterEvenAfterASleep) {
    HWND alarms = open(IDC_OPEN_ALARMS);
    add(alarms, L"テスト会議", 12, 1, once, L"テスト");
    clock_at(12, 1);
    HWND ring = tool_window_with(IDC_RING_MESSAGE);
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(window_text(ring), "Quivra　時間です");
    EXPECT_EQ(text_of(ring, IDC_RING_MESSAGE), "テスト");
    EXPECT_EQ(fake.sounds.back(), L"") << "the system's sound";
    click(ring, IDC_RING_SNOOZE);
    EXPECT_FALSE(IsWindow(ring));
    EXPECT_EQ(list_lines(alarms, IDC_ALARM_LIST).at(0), "●\t12:01\t一度だけ 12/07\tテスト会議\t12/07(月) 12:06");
    fake.local.wHour = 14;  // asleep past the snoozed minute
    SendMessageW(launcher_window, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    ring = tool_window_with(IDC_RING_MESSAGE);
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(text_of(ring, IDC_RING_TITLE), "テスト会議  12:01（12:06 の分）");
    click(ring, IDC_RING_STOP);
    EXPECT_EQ(list_lines(alarms, IDC_ALARM_LIST).at(0).substr(0, 2), "○") << "a one-time alarm is off once rung";
}

TEST_F(AlarmsTest, AnAlarmDueWhileQuivraWasClosedIsNamedOnceAtTheNextStartAndTurnsOff) {
    // 2026/12/07 09:00 in local minutes since 2000/01/01 is 14,165,820; the watch saw up to a day before.
    write_bytes(settings_file(), "alarm00=1\t0900\t0\t0000000\t20261207\t朝会\t\t\r\nalarm_watched_until=14164380\r\n");
    launcher();
    pump();
    EXPECT_EQ(fake.shown, std::vector<std::string>{"Quivraが起動していない間のアラーム：\n12/07(月) 9:00 朝会"});
    HWND alarms = open(IDC_OPEN_ALARMS);
    EXPECT_EQ(list_lines(alarms, IDC_ALARM_LIST).at(0).substr(0, 2), "○");
}

TEST_F(AlarmsTest, ClosingTheLauncherWithAnAlarmOnLeavesItWaitingInTheNotificationArea) {
    HWND alarms = open(IDC_OPEN_ALARMS);
    add(alarms, L"朝会", 9, 0, business_days);
    SendMessageW(launcher_window, WM_CLOSE, 0, 0);
    pump();
    ASSERT_TRUE(IsWindow(launcher_window));
    EXPECT_FALSE(IsWindowVisible(launcher_window));
    EXPECT_EQ(fake.tray_tip, "Quivra　次のアラーム 12/08(火) 9:00 朝会");
    EXPECT_TRUE(saved("\r\nalarm00=1\t0900\t3\t0000000\t20261207\t朝会\t\t\r\n")) << "tarv.ini written as at an exit";
    SendMessageW(launcher_window, WM_SHOW_LAUNCHER, 0, 0);
    EXPECT_TRUE(IsWindowVisible(launcher_window));
    EXPECT_EQ(fake.tray_tip, "");
}

TEST_F(AlarmsTest, StartingWithWindowsWritesAndRemovesTheRunValue) {
    HWND alarms = open(IDC_OPEN_ALARMS);
    const bool before = starts_with_windows();
    EXPECT_EQ(checked(alarms, IDC_ALARM_STARTUP), before);
    click(alarms, IDC_ALARM_STARTUP);
    EXPECT_EQ(starts_with_windows(), !before);
    click(alarms, IDC_ALARM_STARTUP);
    EXPECT_EQ(starts_with_windows(), before);
}

}  // namespace
}  // namespace quivra::testing
