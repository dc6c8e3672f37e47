// Results reach the clipboard as Unicode text, by keyboard and by menu.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "base/win/text.h"
#include "res/dialogs/consumption_tax.h"
#include "res/dialogs/date_calculator.h"
#include "res/dialogs/list_converters.h"
#include "res/dialogs/time_calculator.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

constexpr int length_results = LENGTH_CONVERTER_BASE + IDC_LIST_RESULTS;

class CopyingTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        put_on_clipboard(L"before");
    }

    static void put_on_clipboard(const std::wstring& text) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str());
        GlobalUnlock(memory);
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
};

// The clipboard's Unicode text, as Shift-JIS for comparing with the lines.
std::string clipboard() {
    if (!OpenClipboard(nullptr)) return "(clipboard busy)";
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = narrow(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Ctrl+C typed into a control, through the program's own message loop.
void type_ctrl_c(HWND control) {
    SetFocus(control);
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    LPARAM scan = LPARAM(MapVirtualKeyW('C', MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(control, WM_KEYDOWN, 'C', scan | 1);
    pump();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

std::string list_line(HWND list, int row) {
    std::wstring line(std::size_t(SendMessageW(list, LB_GETTEXTLEN, WPARAM(row), 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, WPARAM(row), reinterpret_cast<LPARAM>(line.data()));
    return narrow(line);
}

HWND converted_length_list(HWND tool) {
    SetDlgItemTextW(tool, LENGTH_CONVERTER_BASE + IDC_LIST_VALUE, L"3");
    click(tool, LENGTH_CONVERTER_BASE + IDC_LIST_CONVERT);
    return GetDlgItem(tool, length_results);
}

TEST_F(CopyingTest, CtrlCInAResultListCopiesEveryLineOrTheSelectedOne) {
    HWND tool = open(IDC_OPEN_LENGTH);
    HWND list = GetDlgItem(tool, length_results);
    type_ctrl_c(list);
    EXPECT_EQ(clipboard(), "before") << "an empty list leaves the clipboard alone";

    converted_length_list(tool);
    type_ctrl_c(list);
    std::string every_line;
    for (int row = 0; row < 15; ++row) every_line += (row ? "\r\n" : "") + list_line(list, row);
    EXPECT_EQ(clipboard(), every_line);
    EXPECT_NE(every_line.find("ミリメートル\t"), std::string::npos) << "the columns stay tab-separated";

    SendMessageW(list, LB_SETCURSEL, 4, 0);
    type_ctrl_c(list);
    EXPECT_EQ(clipboard(), list_line(list, 4));
}

TEST_F(CopyingTest, TheListsContextMenuCopiesWithItsMnemonic) {
    HWND tool = open(IDC_OPEN_LENGTH);
    HWND list = converted_length_list(tool);
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    // The menu runs its own loop: the key waits in the queue for it.
    PostMessageW(list, WM_CHAR, 'c', 0);
    SendMessageW(list, WM_CONTEXTMENU, WPARAM(list), -1);
    pump();
    EXPECT_EQ(clipboard(), list_line(list, 2));
}

TEST_F(CopyingTest, TheDateCalculatorCopiesItsLastAnswer) {
    HWND tool = open(IDC_OPEN_DATE_CALCULATOR);
    HWND button = GetDlgItem(tool, IDC_DATE_AFTER);
    type_ctrl_c(button);
    EXPECT_EQ(clipboard(), "before") << "nothing to copy before the first answer";

    SYSTEMTIME start{2004, 2, 0, 28, 0, 0, 0, 0};
    SendDlgItemMessageW(tool, IDC_START_DATE, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&start));
    SetDlgItemTextW(tool, IDC_DAY_COUNT, L"1");
    click(tool, IDC_DATE_AFTER);
    type_ctrl_c(button);
    EXPECT_EQ(clipboard(), "2004/ 2/29 日曜日");

    click(tool, IDC_DAYS_BETWEEN);
    type_ctrl_c(GetDlgItem(tool, IDC_FIRST_DATE));
    EXPECT_EQ(clipboard(), "0日間");

    // An edit field copies what is selected in it, not the result.
    HWND count = GetDlgItem(tool, IDC_DAY_COUNT);
    SendMessageW(count, EM_SETSEL, 0, -1);
    type_ctrl_c(count);
    EXPECT_EQ(clipboard(), "1");
}

TEST_F(CopyingTest, CalculatorsCopyTheirResultLinesOnePerLine) {
    HWND tax = open(IDC_OPEN_TAX);
    type_ctrl_c(GetDlgItem(tax, IDC_TAX_CALCULATE));
    EXPECT_EQ(clipboard(), "before") << "nothing to copy before the first answer";
    SetDlgItemTextW(tax, IDC_TAX_RATE, L"5");
    click(tax, IDC_TAX_CALCULATE);
    type_ctrl_c(GetDlgItem(tax, IDC_TAX_CALCULATE));
    EXPECT_EQ(clipboard(), text_of(tax, IDC_TAX_AMOUNT_RESULT) + "\r\n" + text_of(tax, IDC_TAX_RESULT));

    HWND calculator = open(IDC_OPEN_TIME_CALCULATOR);
    for (int key : {IDC_CALC_DIGIT_9, IDC_CALC_MINUTES, IDC_CALC_EQUALS}) click(calculator, key);
    type_ctrl_c(GetDlgItem(calculator, IDC_CALC_EQUALS));
    EXPECT_EQ(clipboard(), "9分");
}

}  // namespace
}  // namespace quivra::testing
