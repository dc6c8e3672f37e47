// The duration calculator window: the keyboard, the status line, the box and the font.
#include <windows.h>

#include <commctrl.h>

#include <string_view>

#include "res/dialogs/time_calculator.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"
#include "tools/time/time_calculator.h"

namespace quivra::testing {
namespace {

using TimeCalculatorTest = WindowTest;

// Characters as the keyboard delivers them to the focused key; '\r' is Enter.
void type(std::string_view keys) {
    for (char c : keys) {
        if (c == '\r') PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
        else PostMessageW(GetFocus(), WM_CHAR, WPARAM(c), 1);
        pump();
    }
}

// Keys of the numeric keypad, turned into characters by the message loop, with Num Lock on.
void type_on_keypad(std::initializer_list<UINT> virtual_keys) {
    BYTE keyboard[256];
    GetKeyboardState(keyboard);
    keyboard[VK_NUMLOCK] |= 1;
    SetKeyboardState(keyboard);
    for (UINT key : virtual_keys) {
        LPARAM scan = LPARAM(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(GetFocus(), WM_KEYDOWN, key, scan | 1);
        PostMessageW(GetFocus(), WM_KEYUP, key, scan | 0xC0000001);
        pump();
    }
}

TEST_F(TimeCalculatorTest, KeyedFromTheKeyboardOrTheKeypadEnterMeansEquals) {
    HWND tool = open(IDC_OPEN_TIME_CALCULATOR);
    ASSERT_EQ(GetFocus(), GetDlgItem(tool, IDC_CALC_EQUALS));
    type("1H30+45m\r");
    EXPECT_EQ(text_of(tool, IDC_CALC_RESULT), "1時間45分30秒");
    type("a100S/7\r");
    EXPECT_EQ(text_of(tool, IDC_CALC_STATUS), "余りは....2 秒です。");
    type("A2h*3-10M/2+5sc69f\r");
    EXPECT_EQ(text_of(tool, IDC_CALC_RESULT), "2時間53分51秒") << "(2時間 × 3 - 10分) / 2 + -69";

    type("A");
    type_on_keypad({VK_NUMPAD9, VK_NUMPAD0, VK_MULTIPLY, VK_NUMPAD4, VK_DIVIDE, VK_NUMPAD3,
                    VK_ADD, VK_NUMPAD1, VK_NUMPAD2, VK_SUBTRACT, VK_NUMPAD7, VK_NUMPAD8,
                    VK_NUMPAD5, VK_NUMPAD6, VK_RETURN});
    EXPECT_EQ(text_of(tool, IDC_CALC_RESULT), "-2時間8分44秒") << "90 × 4 / 3 + 12 - 7856";
}

TEST_F(TimeCalculatorTest, ARefusedKeyBeepsAndEnterAfterAClickIsStillEquals) {
    HWND tool = open(IDC_OPEN_TIME_CALCULATOR);
    click(tool, IDC_CALC_DIGIT_0);
    ASSERT_EQ(fake.beeps.size(), 1u);
    EXPECT_EQ(fake.beeps[0].hertz, 400u);
    EXPECT_EQ(fake.beeps[0].milliseconds, 80u);
    click(tool, IDC_CALC_DIGIT_5);
    click(tool, IDC_CALC_PLUS);
    type("\r");
    EXPECT_EQ(text_of(tool, IDC_CALC_OPERATOR), "＝");
}

TEST_F(TimeCalculatorTest, OverflowShowsABoxThenTheStatusLineAndTheBoldFontGoesWithTheWindow) {
    HWND tool = open(IDC_OPEN_TIME_CALCULATOR);
    type("123456s");
    std::string status_while_box_is_up;
    fake.while_box_is_up = [&] { status_while_box_is_up = text_of(tool, IDC_CALC_STATUS); };
    type("+");
    EXPECT_EQ(fake.shown, std::vector<std::string>{overflow_message});
    EXPECT_NE(status_while_box_is_up, text_of(tool, IDC_CALC_STATUS)) << "the box comes first";
    EXPECT_EQ(text_of(tool, IDC_CALC_STATUS), "ＣＥかＡＣでクリアして下さい");

    auto font = reinterpret_cast<HFONT>(SendDlgItemMessageW(tool, IDC_CALC_DIGIT_7, WM_GETFONT, 0, 0));
    LOGFONTW description{};
    ASSERT_NE(GetObjectW(font, sizeof description, &description), 0);
    EXPECT_EQ(description.lfWeight, FW_BOLD);
    choose_menu(tool, IDM_EXIT);
    EXPECT_EQ(GetObjectType(font), 0u) << "the font went with the window";
    EXPECT_EQ(text_of(open(IDC_OPEN_TIME_CALCULATOR), IDC_CALC_RESULT), "") << "each opening starts cleared";
}

}  // namespace
}  // namespace quivra::testing
