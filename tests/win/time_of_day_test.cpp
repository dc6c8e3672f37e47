// The time-of-day window: its pickers, its clamped fields and its two offset results.
#include <windows.h>

#include <commctrl.h>

#include "res/dialogs/time_of_day.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using TimeOfDayTest = WindowTest;

void pick(HWND tool, int picker, WORD hour, WORD minute, WORD second) {
    set_picker(tool, picker, {2001, 1, 1, 1, hour, minute, second, 0});
}

void fill(HWND tool, int field, const wchar_t* text) { SetDlgItemTextW(tool, field, text); }

TEST_F(TimeOfDayTest, PickersShowTheOpeningTimeWithSeconds) {
    fake.local = {2026, 12, 1, 7, 23, 30, 5, 0};
    HWND tool = open(IDC_OPEN_TIME_OF_DAY);
    for (int picker : {IDC_TOD_FIRST_TIME, IDC_TOD_SECOND_TIME, IDC_TOD_START_TIME})
        EXPECT_EQ(text_of(tool, picker), "23:30:05");
    pick(tool, IDC_TOD_FIRST_TIME, 17, 30, 15);
    pick(tool, IDC_TOD_SECOND_TIME, 9, 0, 0);
    click(tool, IDC_TOD_SPAN);
    EXPECT_EQ(text_of(tool, IDC_TOD_SPAN_RESULT), "- 8時間30分15秒");
}

TEST_F(TimeOfDayTest, OffsetShowsTheDayInTheOtherFieldAndEmptiesTheFirst) {
    fake.local = {2026, 12, 1, 7, 23, 30, 0, 0};
    HWND tool = open(IDC_OPEN_TIME_OF_DAY);
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_TOD_LATER), BST_CHECKED);
    fill(tool, IDC_TOD_OFFSET_HOURS, L"1");
    fill(tool, IDC_TOD_OFFSET_MINUTES, L"0");
    click(tool, IDC_TOD_OFFSET);
    EXPECT_EQ(text_of(tool, IDC_TOD_OTHER_DAY), "翌日の0時30分0秒");
    EXPECT_EQ(text_of(tool, IDC_TOD_SAME_DAY), "");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(tool, IDC_TOD_SAME_DAY))) << "it would paint over the other";

    fill(tool, IDC_TOD_OFFSET_HOURS, L"0");
    EXPECT_EQ(text_of(tool, IDC_TOD_OTHER_DAY), "翌日の0時30分0秒") << "only the button recalculates";
    click(tool, IDC_TOD_OFFSET);
    EXPECT_EQ(text_of(tool, IDC_TOD_SAME_DAY), "23時30分0秒");
    EXPECT_EQ(text_of(tool, IDC_TOD_OTHER_DAY), "");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(tool, IDC_TOD_SAME_DAY)));

    click(tool, IDC_TOD_EARLIER);
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_TOD_LATER), BST_UNCHECKED);
    pick(tool, IDC_TOD_START_TIME, 0, 0, 0);
    fill(tool, IDC_TOD_OFFSET_HOURS, L"99");
    fill(tool, IDC_TOD_OFFSET_MINUTES, L"99");
    click(tool, IDC_TOD_OFFSET);
    EXPECT_EQ(text_of(tool, IDC_TOD_OTHER_DAY), "５日前の19時21分0秒");
}

TEST_F(TimeOfDayTest, FieldsAreClampedWhateverTextTheyHold) {
    HWND tool = open(IDC_OPEN_TIME_OF_DAY);
    fill(tool, IDC_TOD_HOURS, L"4294967296");  // 2^32: a 32-bit reader would see 0
    fill(tool, IDC_TOD_MINUTES, L"-5");
    fill(tool, IDC_TOD_SECONDS, L"");
    click(tool, IDC_TOD_CONVERT);
    EXPECT_EQ(text_of(tool, IDC_TOD_CONVERTED), "999時間 0分 0秒");
    EXPECT_EQ(text_of(tool, IDC_TOD_CONVERTED_MINUTES), "59940分 0秒（3596400秒）");

    pick(tool, IDC_TOD_START_TIME, 23, 59, 59);
    fill(tool, IDC_TOD_OFFSET_HOURS, L"123456789012");
    fill(tool, IDC_TOD_OFFSET_MINUTES, L"99");
    click(tool, IDC_TOD_OFFSET);
    EXPECT_EQ(text_of(tool, IDC_TOD_OTHER_DAY), "５日後の4時38分59秒");
}

}  // namespace
}  // namespace quivra::testing
