// The world clock's window: the picker, the city box, the report and world_def.
#include <windows.h>

#include <commctrl.h>

#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/world_clock.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using WorldClockTest = WindowTest;

constexpr int tokyo = 0, sydney = 11, wellington = 12, london = 23;

void pick_time(HWND tool, WORD hour, WORD minute) {
    SYSTEMTIME time{2026, 12, 1, 7, hour, minute, 0, 0};
    SendDlgItemMessageW(tool, IDC_WORLD_TIME, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

LRESULT chosen_city(HWND tool) { return SendDlgItemMessageW(tool, IDC_WORLD_CITY, CB_GETCURSEL, 0, 0); }

void choose_city(HWND tool, int row) { SendDlgItemMessageW(tool, IDC_WORLD_CITY, CB_SETCURSEL, WPARAM(row), 0); }

TEST_F(WorldClockTest, LateEveningInTokyoFromTheLauncher) {
    fake.local.wHour = 21;
    fake.local.wMinute = 7;
    fake.local.wSecond = 42;
    HWND tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(window_text(tool), "Quivra　海の向こう　の時間");
    SYSTEMTIME shown{};
    SendDlgItemMessageW(tool, IDC_WORLD_TIME, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
    EXPECT_EQ(shown.wHour, 21);
    EXPECT_EQ(shown.wMinute, 7);
    EXPECT_EQ(shown.wSecond, 42);
    EXPECT_EQ(SendDlgItemMessageW(tool, IDC_WORLD_CITY, CB_GETCOUNT, 0, 0), 38);
    EXPECT_EQ(chosen_city(tool), tokyo);
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_WORLD_SUMMER_TIME), BST_UNCHECKED);
    EXPECT_TRUE(list_lines(tool, IDC_WORLD_TIMES).empty());

    pick_time(tool, 23, 30);
    click(tool, IDC_WORLD_REPORT);
    auto lines = list_lines(tool, IDC_WORLD_TIMES);
    ASSERT_EQ(lines.size(), 38u);
    EXPECT_EQ(lines[sydney], "シドニー(オーストラリア)      \t24時30分 ");
    EXPECT_EQ(lines[wellington], "ウェリントン(ニュージーランド)\t 2時30分 翌日");

    // A second report replaces the first; summer time moves every row.
    choose_city(tool, london);
    pick_time(tool, 12, 0);
    click(tool, IDC_WORLD_SUMMER_TIME);
    click(tool, IDC_WORLD_REPORT);
    lines = list_lines(tool, IDC_WORLD_TIMES);
    ASSERT_EQ(lines.size(), 38u);
    EXPECT_EQ(lines[tokyo], "東京(日本)                    \t22時 0分 ");
    EXPECT_EQ(lines[london], "ロンドン(イギリス)            \t13時 0分 ");
}

TEST_F(WorldClockTest, TheCityOfTheLastReportIsKeptInTheRunAndAcrossARestart) {
    write_bytes(settings_file(), "world_def=23\r\n");
    HWND l = launcher();
    HWND tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(chosen_city(tool), london);
    choose_city(tool, sydney);  // chosen but never reported
    choose_menu(tool, IDM_EXIT);
    tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(chosen_city(tool), london);
    EXPECT_EQ(settings.world_def.to_save, london);

    choose_city(tool, wellington);
    click(tool, IDC_WORLD_REPORT);
    EXPECT_EQ(settings.world_def.at_startup, wellington);
    EXPECT_EQ(settings.world_def.to_save, wellington);
    choose_menu(tool, IDM_EXIT);
    EXPECT_EQ(chosen_city(open(IDC_OPEN_WORLD_CLOCK)), wellington);

    choose_menu(l, IDM_EXIT);
    EXPECT_NE(read_bytes(settings_file()).find("\r\nworld_def=12\r\n"), std::string::npos);
    settings = Settings{};
    launcher_window = nullptr;
    launcher();
    EXPECT_EQ(chosen_city(open(IDC_OPEN_WORLD_CLOCK)), wellington);
}

TEST_F(WorldClockTest, NoCityOrOneOutsideTheTableReportsForTheFirstRow) {
    write_bytes(settings_file(), "world_def=38\r\n");
    launcher();
    HWND tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(chosen_city(tool), tokyo);

    choose_city(tool, -1);  // as another program could leave it
    pick_time(tool, 3, 5);
    click(tool, IDC_WORLD_REPORT);
    EXPECT_EQ(chosen_city(tool), tokyo);
    auto lines = list_lines(tool, IDC_WORLD_TIMES);
    ASSERT_EQ(lines.size(), 38u);
    EXPECT_EQ(lines[london], "ロンドン(イギリス)            \t18時 5分 前日");
    EXPECT_EQ(settings.world_def.to_save, tokyo);
}

}  // namespace
}  // namespace quivra::testing
