#include <string>
#include <vector>

#include "app/frame.h"
#include "app/settings_store.h"
#include "app/text.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using ListConverterTest = WindowTest;

std::vector<std::string> result_lines(HWND tool, int id) {
    std::vector<std::string> lines;
    HWND list = GetDlgItem(tool, id);
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring line(std::size_t(SendMessageW(list, LB_GETTEXTLEN, WPARAM(i), 0)), L'\0');
        SendMessageW(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(line.data()));
        lines.push_back(narrow(line));
    }
    return lines;
}

LRESULT selected_row(HWND tool, int id) { return SendDlgItemMessageW(tool, id, CB_GETCURSEL, 0, 0); }

void choose_row(HWND tool, int id, int row) { SendDlgItemMessageW(tool, id, CB_SETCURSEL, WPARAM(row), 0); }

TEST_F(ListConverterTest, ThreeInchesInTheLengthToolAsTheUserWouldConvertThem) {
    HWND l = launcher();
    HWND tool = open(87, 7);
    EXPECT_EQ(window_text(tool), "Quivra　長い短い　長さ");
    EXPECT_EQ(text_of(tool, 721), "1");
    EXPECT_EQ(SendDlgItemMessageW(tool, 723, CB_GETCOUNT, 0, 0), 15);
    EXPECT_EQ(selected_row(tool, 723), 0);
    EXPECT_EQ(SendDlgItemMessageW(tool, 725, LB_GETCOUNT, 0, 0), 0);

    SetDlgItemTextW(tool, 721, L"3");
    choose_row(tool, 723, 4);
    click(tool, 724);
    auto lines = result_lines(tool, 725);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "ミリメートル\t       76.19999 mm");
    EXPECT_EQ(lines[4], "インチ      \t        2.99999 in");
    EXPECT_EQ(settings.len_def.at_startup, 4);
    EXPECT_EQ(settings.len_def.to_save, 4);

    // Reopened, it shows the unit of the last conversion; at exit the file keeps it.
    choose_menu(tool, 60);
    tool = open(87, 7);
    EXPECT_EQ(selected_row(tool, 723), 4);
    choose_menu(l, 60);
    std::string file = read_bytes(settings_file());
    EXPECT_NE(file.find("\r\nlen_def=4\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\ndlg07_left="), std::string::npos);
}

TEST_F(ListConverterTest, EachToolKeepsItsOwnUnitAndChangingTheListAloneRecordsNothing) {
    write_bytes(settings_file(), "len_def=2\r\nweight_def=13\r\narea_def=3\r\nvol_def=23\r\nspeed_def=5\r\n");
    launcher();
    struct { int command, position, base; LRESULT row; } tools[] = {
        {87, 7, 700, 2}, {88, 8, 800, 13}, {89, 9, 900, 3}, {90, 10, 1000, 23}, {92, 12, 1200, 5}};
    for (auto& t : tools) EXPECT_EQ(selected_row(open(t.command, t.position), t.base + 23), t.row);

    HWND speed = tool_windows[12];
    choose_row(speed, 1223, 13);
    choose_row(tool_windows[10], 1023, 0);  // chosen but never converted
    click(speed, 1224);
    EXPECT_EQ(settings.speed_def.to_save, 13);
    EXPECT_EQ(settings.vol_def.to_save, 23);
    EXPECT_EQ(settings.len_def.to_save, 2);
    EXPECT_EQ(settings.weight_def.to_save, 13);
    EXPECT_EQ(settings.area_def.to_save, 3);
    EXPECT_EQ(result_lines(speed, 1225).size(), 14u);
}

TEST_F(ListConverterTest, AStoredRowThatIsNoRowSelectsTheFirst) {
    write_bytes(settings_file(), "len_def=15\r\nvol_def=-1\r\n");
    launcher();
    HWND length = open(87, 7);
    EXPECT_EQ(selected_row(length, 723), 0);
    EXPECT_EQ(selected_row(open(90, 10), 1023), 0);
    SetDlgItemTextW(length, 721, L"");
    click(length, 724);
    auto lines = result_lines(length, 725);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[14], "里（り）    \t        0.00000 里");
    EXPECT_EQ(settings.len_def.to_save, 0);
}

}  // namespace
}  // namespace quivra::testing
