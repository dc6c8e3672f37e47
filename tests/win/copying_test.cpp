// Results reach the clipboard as Unicode text, by keyboard and by menu.
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

// Each test starts with "before" on the clipboard.
class CopyingTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof L"before");
        wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), L"before");
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
void type_ctrl_c(HWND dialog, int id) {
    SetFocus(GetDlgItem(dialog, id));
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(GetFocus(), WM_KEYDOWN, 'C', LPARAM(MapVirtualKeyW('C', MAPVK_VK_TO_VSC)) << 16 | 1);
    pump();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

TEST_F(CopyingTest, AResultListCopiesEveryLineOrTheSelectedOneByKeyAndByMenu) {
    HWND tool = open(IDC_OPEN_LENGTH);
    type_ctrl_c(tool, length_results);
    EXPECT_EQ(clipboard(), "before") << "an empty list leaves the clipboard alone";

    click(tool, LENGTH_CONVERTER_BASE + IDC_LIST_CONVERT);
    type_ctrl_c(tool, length_results);
    std::string every_line;
    for (const std::string& line : list_lines(tool, length_results)) every_line += line + "\r\n";
    EXPECT_EQ(clipboard() + "\r\n", every_line);
    EXPECT_NE(every_line.find("ミリメートル\t"), std::string::npos) << "the columns stay tab-separated";

    HWND list = GetDlgItem(tool, length_results);
    SendMessageW(list, LB_SETCURSEL, 4, 0);
    type_ctrl_c(tool, length_results);
    EXPECT_EQ(clipboard(), list_lines(tool, length_results)[4]);
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    // The menu runs its own loop: the key waits in the queue for it.
    PostMessageW(list, WM_CHAR, 'c', 0);
    SendMessageW(list, WM_CONTEXTMENU, WPARAM(list), -1);
    pump();
    EXPECT_EQ(clipboard(), list_lines(tool, length_results)[2]);
}

TEST_F(CopyingTest, CalculatorsCopyTheirLastAnswerOnePerLine) {
    HWND dates = open(IDC_OPEN_DATE_CALCULATOR);
    type_ctrl_c(dates, IDC_DATE_AFTER);
    EXPECT_EQ(clipboard(), "before") << "nothing to copy before the first answer";
    set_picker(dates, IDC_START_DATE, {2004, 2, 0, 28, 0, 0, 0, 0});
    SetDlgItemTextW(dates, IDC_DAY_COUNT, L"1");
    click(dates, IDC_DATE_AFTER);
    type_ctrl_c(dates, IDC_DATE_AFTER);
    EXPECT_EQ(clipboard(), "2004/ 2/29 日曜日");
    click(dates, IDC_DAYS_BETWEEN);
    type_ctrl_c(dates, IDC_FIRST_DATE);
    EXPECT_EQ(clipboard(), "0日間");
    // An edit field copies what is selected in it, not the result.
    SendDlgItemMessageW(dates, IDC_DAY_COUNT, EM_SETSEL, 0, -1);
    type_ctrl_c(dates, IDC_DAY_COUNT);
    EXPECT_EQ(clipboard(), "1");

    HWND tax = open(IDC_OPEN_TAX);
    click(tax, IDC_TAX_CALCULATE);
    type_ctrl_c(tax, IDC_TAX_CALCULATE);
    EXPECT_EQ(clipboard(), text_of(tax, IDC_TAX_AMOUNT_RESULT) + "\r\n" + text_of(tax, IDC_TAX_RESULT));
    HWND calculator = open(IDC_OPEN_TIME_CALCULATOR);
    for (int key : {IDC_CALC_DIGIT_9, IDC_CALC_MINUTES, IDC_CALC_EQUALS}) click(calculator, key);
    type_ctrl_c(calculator, IDC_CALC_EQUALS);
    EXPECT_EQ(clipboard(), "9分");
}

}  // namespace
}  // namespace quivra::testing
