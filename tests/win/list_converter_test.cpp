// The five list converters' windows and the unit each of them keeps.
#include <string>

#include "base/win/settings_store.h"
#include "res/dialogs/list_converters.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using ListConverterTest = WindowTest;

constexpr int length_value = LENGTH_CONVERTER_BASE + IDC_LIST_VALUE;
constexpr int length_unit = LENGTH_CONVERTER_BASE + IDC_LIST_UNIT;
constexpr int length_results = LENGTH_CONVERTER_BASE + IDC_LIST_RESULTS;
constexpr int inch = 4;

TEST_F(ListConverterTest, ThreeInchesInTheLengthToolAsTheUserWouldConvertThem) {
    HWND l = launcher();
    HWND tool = open(IDC_OPEN_LENGTH);
    EXPECT_EQ(text_of(tool, length_value), "1");
    EXPECT_TRUE(list_lines(tool, length_results).empty());

    SetDlgItemTextW(tool, length_value, L"3");
    choose_row(tool, length_unit, inch);
    click(tool, LENGTH_CONVERTER_BASE + IDC_LIST_CONVERT);
    auto lines = list_lines(tool, length_results);
    EXPECT_EQ(lines.at(0), "ミリメートル\t       76.19999 mm");
    EXPECT_EQ(lines.at(inch), "インチ      \t        2.99999 in");
    EXPECT_EQ(settings.len_def.at_startup, inch);

    // Reopened, it shows the unit of the last conversion; at exit the file keeps it.
    choose_menu(tool, IDM_EXIT);
    EXPECT_EQ(selected_row(open(IDC_OPEN_LENGTH), length_unit), inch);
    choose_menu(l, IDM_EXIT);
    EXPECT_NE(read_bytes(settings_file()).find("\r\nlen_def=4\r\n"), std::string::npos);
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
    choose_row(open(IDC_OPEN_VOLUME), VOLUME_CONVERTER_BASE + IDC_LIST_UNIT, 0);  // never converted
    click(speed, SPEED_CONVERTER_BASE + IDC_LIST_CONVERT);
    EXPECT_EQ(settings.speed_def.to_save, 13);
    EXPECT_EQ(settings.vol_def.to_save, 23);
    EXPECT_EQ(settings.len_def.to_save, 2);
}

TEST_F(ListConverterTest, AStoredRowThatIsNoRowSelectsTheFirst) {
    write_bytes(settings_file(), "len_def=15\r\nvol_def=-1\r\n");
    launcher();
    HWND length = open(IDC_OPEN_LENGTH);
    EXPECT_EQ(selected_row(length, length_unit), 0);
    EXPECT_EQ(selected_row(open(IDC_OPEN_VOLUME), VOLUME_CONVERTER_BASE + IDC_LIST_UNIT), 0);
    SetDlgItemTextW(length, length_value, L"");
    click(length, LENGTH_CONVERTER_BASE + IDC_LIST_CONVERT);
    EXPECT_EQ(list_lines(length, length_results).back(), "里（り）    \t        0.00000 里");
    EXPECT_EQ(settings.len_def.to_save, 0);
}

}  // namespace
}  // namespace quivra::testing
