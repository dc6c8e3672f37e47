#include <string>
#include <vector>

#include "base/win/frame.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/list_converters.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using ListConverterTest = WindowTest;

LRESULT selected_row(HWND tool, int id) { return SendDlgItemMessageW(tool, id, CB_GETCURSEL, 0, 0); }

void choose_row(HWND tool, int id, int row) { SendDlgItemMessageW(tool, id, CB_SETCURSEL, WPARAM(row), 0); }

TEST_F(ListConverterTest, ThreeInchesInTheLengthToolAsTheUserWouldConvertThem) {
    HWND l = launcher();
    HWND tool = open(IDC_OPEN_LENGTH);
    EXPECT_EQ(window_text(tool), "Quivra　長い短い　長さ");
    EXPECT_EQ(text_of(tool, LENGTH_CONVERTER_BASE + IDC_LIST_VALUE), "1");
    EXPECT_EQ(SendDlgItemMessageW(tool, LENGTH_CONVERTER_BASE + IDC_LIST_UNIT, CB_GETCOUNT, 0, 0), 15);
    EXPECT_EQ(selected_row(tool, LENGTH_CONVERTER_BASE + IDC_LIST_UNIT), 0);
    EXPECT_EQ(SendDlgItemMessageW(tool, LENGTH_CONVERTER_BASE + IDC_LIST_RESULTS, LB_GETCOUNT, 0, 0), 0);

    SetDlgItemTextW(tool, LENGTH_CONVERTER_BASE + IDC_LIST_VALUE, L"3");
    choose_row(tool, LENGTH_CONVERTER_BASE + IDC_LIST_UNIT, 4);
    click(tool, LENGTH_CONVERTER_BASE + IDC_LIST_CONVERT);
    auto lines = list_lines(tool, LENGTH_CONVERTER_BASE + IDC_LIST_RESULTS);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "ミリメートル\t       76.19999 mm");
    EXPECT_EQ(lines[4], "インチ      \t        2.99999 in");
    EXPECT_EQ(settings.len_def.at_startup, 4);
    EXPECT_EQ(settings.len_def.to_save, 4);

    // Reopened, it shows the unit of the last conversion; at exit the file keeps it.
    choose_menu(tool, IDM_EXIT);
    tool = open(IDC_OPEN_LENGTH);
    EXPECT_EQ(selected_row(tool, LENGTH_CONVERTER_BASE + IDC_LIST_UNIT), 4);
    choose_menu(l, IDM_EXIT);
    std::string file = read_bytes(settings_file());
    EXPECT_NE(file.find("\r\nlen_def=4\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\ndlg07_left="), std::string::npos);
}

TEST_F(ListConverterTest, EachToolKeepsItsOwnUnitAndChangingTheListAloneRecordsNothing) {
    write_bytes(settings_file(), "len_def=2\r\nweight_def=13\r\narea_def=3\r\nvol_def=23\r\nspeed_def=5\r\n");
    launcher();
    struct { int command, base; LRESULT row; } tools[] = {
        {IDC_OPEN_LENGTH, LENGTH_CONVERTER_BASE, 2}, {IDC_OPEN_WEIGHT, WEIGHT_CONVERTER_BASE, 13},
        {IDC_OPEN_AREA, AREA_CONVERTER_BASE, 3}, {IDC_OPEN_VOLUME, VOLUME_CONVERTER_BASE, 23},
        {IDC_OPEN_SPEED, SPEED_CONVERTER_BASE, 5}};
    for (auto& t : tools) EXPECT_EQ(selected_row(open(t.command), t.base + IDC_LIST_UNIT), t.row);

    HWND speed = open(IDC_OPEN_SPEED);
    choose_row(speed, SPEED_CONVERTER_BASE + IDC_LIST_UNIT, 13);
    choose_row(open(IDC_OPEN_VOLUME), VOLUME_CONVERTER_BASE + IDC_LIST_UNIT, 0);  // chosen but never converted
    click(speed, SPEED_CONVERTER_BASE + IDC_LIST_CONVERT);
    EXPECT_EQ(settings.speed_def.to_save, 13);
    EXPECT_EQ(settings.vol_def.to_save, 23);
    EXPECT_EQ(settings.len_def.to_save, 2);
    EXPECT_EQ(settings.weight_def.to_save, 13);
    EXPECT_EQ(settings.area_def.to_save, 3);
    EXPECT_EQ(list_lines(speed, SPEED_CONVERTER_BASE + IDC_LIST_RESULTS).size(), 14u);
}

TEST_F(ListConverterTest, AStoredRowThatIsNoRowSelectsTheFirst) {
    write_bytes(settings_file(), "len_def=15\r\nvol_def=-1\r\n");
    launcher();
    HWND length = open(IDC_OPEN_LENGTH);
    EXPECT_EQ(selected_row(length, LENGTH_CONVERTER_BASE + IDC_LIST_UNIT), 0);
    EXPECT_EQ(selected_row(open(IDC_OPEN_VOLUME), VOLUME_CONVERTER_BASE + IDC_LIST_UNIT), 0);
    SetDlgItemTextW(length, LENGTH_CONVERTER_BASE + IDC_LIST_VALUE, L"");
    click(length, LENGTH_CONVERTER_BASE + IDC_LIST_CONVERT);
    auto lines = list_lines(length, LENGTH_CONVERTER_BASE + IDC_LIST_RESULTS);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[14], "里（り）    \t        0.00000 里");
    EXPECT_EQ(settings.len_def.to_save, 0);
}

}  // namespace
}  // namespace quivra::testing
