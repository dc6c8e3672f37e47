// The tools that answer in a list: the five unit converters and the world clock, and whole rows in every list.
#include <utility>
#include <vector>

#include "base/win/settings_store.h"
#include "res/dialogs/currency.h"
#include "res/dialogs/drive_report.h"
#include "res/dialogs/list_converters.h"
#include "res/dialogs/world_clock.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using ResultListToolsTest = WindowTest;

constexpr int length_value = LENGTH_CONVERTER_BASE + IDC_LIST_VALUE;
constexpr int length_unit = LENGTH_CONVERTER_BASE + IDC_LIST_UNIT;
constexpr int length_results = LENGTH_CONVERTER_BASE + IDC_LIST_RESULTS;
constexpr int length_convert = LENGTH_CONVERTER_BASE + IDC_LIST_CONVERT;
constexpr int inch = 4;
constexpr std::pair<int, int> converters[] = {  // launcher command, ids base
    {IDC_OPEN_LENGTH, LENGTH_CONVERTER_BASE}, {IDC_OPEN_WEIGHT, WEIGHT_CONVERTER_BASE},
    {IDC_OPEN_AREA, AREA_CONVERTER_BASE}, {IDC_OPEN_VOLUME, VOLUME_CONVERTER_BASE},
    {IDC_OPEN_SPEED, SPEED_CONVERTER_BASE}};
constexpr int tokyo = 0, sydney = 11, wellington = 12, london = 23;

void pick_time(HWND tool, WORD hour, WORD minute) {
    set_picker(tool, IDC_WORLD_TIME, {2026, 12, 1, 7, hour, minute, 0, 0});
}

TEST_F(ResultListToolsTest, ThreeInchesConvertedAndTheUnitKeptForTheNextOpeningAndTheFile) {
    HWND tool = open(IDC_OPEN_LENGTH);
    SetDlgItemTextW(tool, length_value, L"3");
    choose_row(tool, length_unit, inch);
    click(tool, length_convert);
    auto lines = list_lines(tool, length_results);
    EXPECT_EQ(lines.at(0), "ミリメートル\t       76.19999 mm");
    EXPECT_EQ(lines.at(inch), "インチ      \t        2.99999 in");
    EXPECT_EQ(selected_row(reopen(tool, IDC_OPEN_LENGTH), length_unit), inch);
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_TRUE(saved("\r\nlen_def=4\r\n"));
}

TEST_F(ResultListToolsTest, EachConverterKeepsItsOwnUnitAndChangingTheListAloneRecordsNothing) {
    write_bytes(settings_file(), "len_def=15\r\nweight_def=13\r\narea_def=3\r\nvol_def=23\r\nspeed_def=5\r\n");
    const LRESULT rows[] = {0, 13, 3, 23, 5};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(selected_row(open(converters[i].first), converters[i].second + IDC_LIST_UNIT), rows[i]);

    HWND speed = open(IDC_OPEN_SPEED);
    choose_row(speed, SPEED_CONVERTER_BASE + IDC_LIST_UNIT, 13);
    choose_row(open(IDC_OPEN_VOLUME), VOLUME_CONVERTER_BASE + IDC_LIST_UNIT, 0);  // never converted
    click(speed, SPEED_CONVERTER_BASE + IDC_LIST_CONVERT);
    EXPECT_EQ(settings.speed_def.to_save, 13);
    EXPECT_EQ(settings.vol_def.to_save, 23);
    EXPECT_EQ(settings.len_def.to_save, 15) << "untouched until a conversion";
}

TEST_F(ResultListToolsTest, LateEveningInTokyoThenLondonInSummerTime) {
    fake.local.wHour = 21, fake.local.wMinute = 7, fake.local.wSecond = 42;
    HWND tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(text_of(tool, IDC_WORLD_TIME), "21:07:42");
    pick_time(tool, 23, 30);
    click(tool, IDC_WORLD_REPORT);
    auto lines = list_lines(tool, IDC_WORLD_TIMES);
    EXPECT_EQ(lines.at(wellington), "ウェリントン(ニュージーランド)\t 2時30分 翌日");

    choose_row(tool, IDC_WORLD_CITY, london);
    pick_time(tool, 12, 0);
    click(tool, IDC_WORLD_SUMMER_TIME);
    click(tool, IDC_WORLD_REPORT);
    EXPECT_EQ(list_lines(tool, IDC_WORLD_TIMES).size(), lines.size()) << "a second report replaces the first";
    EXPECT_EQ(list_lines(tool, IDC_WORLD_TIMES).at(tokyo), "東京(日本)                    \t22時 0分 ");
}

TEST_F(ResultListToolsTest, TheCityOfTheLastReportIsKeptInTheRunAndAcrossARestart) {
    write_bytes(settings_file(), "world_def=23\r\n");
    HWND tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(selected_row(tool, IDC_WORLD_CITY), london);
    choose_row(tool, IDC_WORLD_CITY, sydney);  // chosen but never reported
    tool = reopen(tool, IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(selected_row(tool, IDC_WORLD_CITY), london);
    choose_row(tool, IDC_WORLD_CITY, wellington);
    click(tool, IDC_WORLD_REPORT);
    EXPECT_EQ(selected_row(reopen(tool, IDC_OPEN_WORLD_CLOCK), IDC_WORLD_CITY), wellington);
    restart();
    EXPECT_TRUE(saved("\r\nworld_def=12\r\n"));
    EXPECT_EQ(selected_row(open(IDC_OPEN_WORLD_CLOCK), IDC_WORLD_CITY), wellington);
}

TEST_F(ResultListToolsTest, NoRowOrAStoredOneOutsideTheTableMeansTheFirst) {
    write_bytes(settings_file(), "world_def=38\r\nvol_def=-1\r\n");
    HWND tool = open(IDC_OPEN_WORLD_CLOCK);
    EXPECT_EQ(selected_row(tool, IDC_WORLD_CITY), tokyo);
    EXPECT_EQ(selected_row(open(IDC_OPEN_VOLUME), VOLUME_CONVERTER_BASE + IDC_LIST_UNIT), 0);
    choose_row(tool, IDC_WORLD_CITY, -1);  // as another program could leave it
    pick_time(tool, 3, 5);
    click(tool, IDC_WORLD_REPORT);
    EXPECT_EQ(selected_row(tool, IDC_WORLD_CITY), tokyo);
    EXPECT_EQ(list_lines(tool, IDC_WORLD_TIMES).at(london), "ロンドン(イギリス)            \t18時 5分 前日");
    EXPECT_EQ(settings.world_def.to_save, tokyo);
}

RECT rect_in(HWND tool, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(tool, id), &r);
    MapWindowPoints(nullptr, tool, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(ResultListToolsTest, EveryResultListShowsWholeRowsAndKeepsAMarginBelow) {
    struct Tool {
        int command, button, list;
    };
    std::vector<Tool> tools = {{IDC_OPEN_WORLD_CLOCK, IDC_WORLD_REPORT, IDC_WORLD_TIMES},
                               {IDC_OPEN_CURRENCY, IDC_CURRENCY_CONVERT, IDC_CURRENCY_RESULTS},
                               {IDC_OPEN_DRIVES, IDC_DRIVE_EXAMINE, IDC_DRIVE_LIST}};
    for (auto [command, base] : converters) tools.push_back({command, base + IDC_LIST_CONVERT, base + IDC_LIST_RESULTS});
    for (auto& t : tools) {
        SCOPED_TRACE(t.command);
        HWND tool = open(t.command);
        HWND list = GetDlgItem(tool, t.list);
        RECT rows, window, button = rect_in(tool, t.button), placed = rect_in(tool, t.list);
        GetClientRect(list, &rows);
        GetClientRect(tool, &window);
        auto row_height = LONG(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
        ASSERT_GT(row_height, 0);
        EXPECT_EQ(rows.bottom % row_height, 0) << "a row cut at the bottom";
        EXPECT_GE(window.bottom - placed.bottom, button.left) << "no margin below the list";
        if (t.command != IDC_OPEN_CURRENCY) continue;
        click(tool, t.button);
        EXPECT_GE(rows.bottom / row_height, LONG(SendMessageW(list, LB_GETCOUNT, 0, 0)))
            << "every currency shows without scrolling";
    }
}

}  // namespace
}  // namespace quivra::testing
