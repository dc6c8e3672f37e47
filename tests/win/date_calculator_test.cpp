// The date calculator's window: its pickers, its sign buttons and both answers.
#include <windows.h>

#include <commctrl.h>

#include "res/dialogs/date_calculator.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using DateCalculatorTest = WindowTest;

void pick(HWND tool, int picker, WORD year, WORD month, WORD day) {
    set_picker(tool, picker, {year, month, 0, day, 0, 0, 0, 0});
}

TEST_F(DateCalculatorTest, DaysBetweenTwoDatesInEveryLocale) {
    HWND tool = open(IDC_OPEN_DATE_CALCULATOR);
    pick(tool, IDC_FIRST_DATE, 1999, 12, 31);
    pick(tool, IDC_SECOND_DATE, 2000, 3, 1);
    EXPECT_EQ(text_of(tool, IDC_FIRST_DATE), "1999/12/31");
    click(tool, IDC_DAYS_BETWEEN);
    EXPECT_EQ(text_of(tool, IDC_DAYS_RESULT), "61");
    pick(tool, IDC_SECOND_DATE, 1999, 12, 30);
    click(tool, IDC_DAYS_BETWEEN);
    EXPECT_EQ(text_of(tool, IDC_DAYS_RESULT), "-1");
}

TEST_F(DateCalculatorTest, ADateSomeDaysAfterOrBeforeWithItsWeekday) {
    HWND tool = open(IDC_OPEN_DATE_CALCULATOR);
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_PLUS), BST_CHECKED);
    struct Case {
        WORD year, month, day;
        int sign_button;
        const wchar_t* count;
        const char* date;
        const char* weekday;
    } cases[] = {
        {2004, 2, 28, IDC_PLUS, L"1", "2004/ 2/29", "日"},
        {2004, 12, 31, IDC_PLUS, L"", "2004/12/31", "金"},
        {2004, 1, 1, IDC_MINUS, L"9999", "1976/ 8/16", "月"},
    };
    for (const Case& c : cases) {
        pick(tool, IDC_START_DATE, c.year, c.month, c.day);
        click(tool, c.sign_button);
        SetDlgItemTextW(tool, IDC_DAY_COUNT, c.count);
        click(tool, IDC_DATE_AFTER);
        EXPECT_EQ(text_of(tool, IDC_DATE_RESULT), c.date);
        EXPECT_EQ(text_of(tool, IDC_WEEKDAY_RESULT), c.weekday);
    }
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_PLUS), BST_UNCHECKED) << "the radio buttons are one group";

    choose_menu(tool, IDM_EXIT);
    EXPECT_EQ(IsDlgButtonChecked(open(IDC_OPEN_DATE_CALCULATOR), IDC_PLUS), BST_CHECKED)
        << "each opening starts again with plus";
}

}  // namespace
}  // namespace quivra::testing
