#include <windows.h>

#include <commctrl.h>

#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"
#include "base/win/text.h"
#include "res/dialogs/date_calculator.h"

namespace quivra::testing {
namespace {

using DateCalculatorTest = WindowTest;

void pick(HWND tool, int picker, WORD year, WORD month, WORD day) {
    SYSTEMTIME date{};
    date.wYear = year;
    date.wMonth = month;
    date.wDay = day;
    SendDlgItemMessageW(tool, picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
}

TEST_F(DateCalculatorTest, DaysBetweenTwoDates) {
    HWND tool = open(IDC_OPEN_DATE_CALCULATOR);
    EXPECT_EQ(window_text(tool), "Quivra　それ何日？　日付の計算");
    EXPECT_EQ(text_of(tool, IDC_DAYS_RESULT), "");
    pick(tool, IDC_FIRST_DATE, 2004, 5, 5);
    pick(tool, IDC_SECOND_DATE, 2004, 5, 5);
    click(tool, IDC_DAYS_BETWEEN);
    EXPECT_EQ(text_of(tool, IDC_DAYS_RESULT), "0");
    pick(tool, IDC_SECOND_DATE, 2004, 5, 4);
    click(tool, IDC_DAYS_BETWEEN);
    EXPECT_EQ(text_of(tool, IDC_DAYS_RESULT), "-1");
    pick(tool, IDC_FIRST_DATE, 1999, 12, 31);
    pick(tool, IDC_SECOND_DATE, 2000, 3, 1);
    click(tool, IDC_DAYS_BETWEEN);
    EXPECT_EQ(text_of(tool, IDC_DAYS_RESULT), "61");
}

TEST_F(DateCalculatorTest, ADateSomeDaysAfterOrBeforeWithItsWeekday) {
    HWND tool = open(IDC_OPEN_DATE_CALCULATOR);
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_PLUS), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessageW(tool, IDC_DAY_COUNT, EM_GETLIMITTEXT, 0, 0), 4);
    struct Case {
        WORD year, month, day;
        int sign_button;
        const wchar_t* count;
        const char* date;
        const char* weekday;
    } cases[] = {
        {2004, 2, 28, IDC_PLUS, L"1", "2004/ 2/29", "日"},
        {2004, 12, 31, IDC_PLUS, L"", "2004/12/31", "金"},
        {2004, 12, 31, IDC_PLUS, L"0", "2004/12/31", "金"},
        {2004, 1, 1, IDC_MINUS, L"9999", "1976/ 8/16", "月"},
        {2004, 3, 1, IDC_MINUS, L"1", "2004/ 2/29", "日"},
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
}

TEST_F(DateCalculatorTest, PickersReadYearMonthDayInEveryLocale) {
    HWND tool = open(IDC_OPEN_DATE_CALCULATOR);
    for (int picker : {IDC_FIRST_DATE, IDC_SECOND_DATE, IDC_START_DATE}) {
        pick(tool, picker, 2026, 12, 7);
        EXPECT_EQ(text_of(tool, picker), "2026/12/07");
    }
}

TEST_F(DateCalculatorTest, ReopeningStartsAgainWithPlusChecked) {
    HWND tool = open(IDC_OPEN_DATE_CALCULATOR);
    click(tool, IDC_MINUS);
    choose_menu(tool, IDM_EXIT);
    tool = open(IDC_OPEN_DATE_CALCULATOR);
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_PLUS), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_MINUS), BST_UNCHECKED);
}

}  // namespace
}  // namespace quivra::testing
