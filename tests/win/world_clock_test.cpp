// The world clock's window: the picker, the city box, the report and world_def.
#include <windows.h>

#include <commctrl.h>

#include "base/win/settings_store.h"
#include "res/dialogs/world_clock.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using WorldClockTest = WindowTest;

constexpr int tokyo = 0, sydney = 11, wellington = 12, london = 23;

void pick_time(HWND tool, WORD hour, WORD minute) {
    set_picker(tool, IDC_WORLD_TIME, {2026, 12, 1, 7, hour, minute, 0, 0});
}

int city(HWND tool) { return int(selected_row(tool, IDC_WORLD_CITY)); }

TEST_F(WorldClockTest, LateEveningInTokyoFromTheLauncher) {
    fake.local.wHour = 21;
    fake.local.wMinute = 7;
    fake.local.wSecond = 42;
    HWND tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(text_of(tool, IDC_WORLD_TIME), "21:07:42");
    EXPECT_EQ(city(tool), tokyo);
    EXPECT_TRUE(list_lines(tool, IDC_WORLD_TIMES).empty());

    pick_time(tool, 23, 30);
    click(tool, IDC_WORLD_REPORT);
    auto lines = list_lines(tool, IDC_WORLD_TIMES);
    EXPECT_EQ(lines.at(sydney), "シドニー(オーストラリア)      \t24時30分 ");
    EXPECT_EQ(lines.at(wellington), "ウェリントン(ニュージーランド)\t 2時30分 翌日");

    // A second report replaces the first; summer time moves every row.
    choose_row(tool, IDC_WORLD_CITY, london);
    pick_time(tool, 12, 0);
    click(tool, IDC_WORLD_SUMMER_TIME);
    click(tool, IDC_WORLD_REPORT);
    std::size_t rows = lines.size();
    lines = list_lines(tool, IDC_WORLD_TIMES);
    EXPECT_EQ(lines.size(), rows);
    EXPECT_EQ(lines.at(tokyo), "東京(日本)                    \t22時 0分 ");
    EXPECT_EQ(lines.at(london), "ロンドン(イギリス)            \t13時 0分 ");
}

TEST_F(WorldClockTest, TheCityOfTheLastReportIsKeptInTheRunAndAcrossARestart) {
    write_bytes(settings_file(), "world_def=23\r\n");
    launcher();
    HWND tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(city(tool), london);
    choose_row(tool, IDC_WORLD_CITY, sydney);  // chosen but never reported
    choose_menu(tool, IDM_EXIT);
    tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(city(tool), london);

    choose_row(tool, IDC_WORLD_CITY, wellington);
    click(tool, IDC_WORLD_REPORT);
    EXPECT_EQ(settings.world_def.at_startup, wellington);
    choose_menu(tool, IDM_EXIT);
    EXPECT_EQ(city(open(IDC_OPEN_WORLD_CLOCK)), wellington);

    restart();
    EXPECT_NE(read_bytes(settings_file()).find("\r\nworld_def=12\r\n"), std::string::npos);
    EXPECT_EQ(city(open(IDC_OPEN_WORLD_CLOCK)), wellington);
}

TEST_F(WorldClockTest, NoCityOrOneOutsideTheTableReportsForTheFirstRow) {
    write_bytes(settings_file(), "world_def=38\r\n");
    launcher();
    HWND tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(city(tool), tokyo);

    choose_row(tool, IDC_WORLD_CITY, -1);  // as another program could leave it
    pick_time(tool, 3, 5);
    click(tool, IDC_WORLD_REPORT);
    EXPECT_EQ(city(tool), tokyo);
    EXPECT_EQ(list_lines(tool, IDC_WORLD_TIMES).at(london), "ロンドン(イギリス)            \t18時 5分 前日");
    EXPECT_EQ(settings.world_def.to_save, tokyo);
}

}  // namespace
}  // namespace quivra::testing
