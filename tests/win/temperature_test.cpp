// The temperature converter's window: the signed field, the scale buttons, both lines.
#include <windows.h>

#include <commctrl.h>

#include "res/dialogs/temperature.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using TemperatureTest = WindowTest;

void convert(HWND tool, const wchar_t* degrees, int scale) {
    SetDlgItemTextW(tool, IDC_TEMPERATURE_VALUE, degrees);
    click(tool, scale);
    click(tool, IDC_TEMPERATURE_CONVERT);
}

TEST_F(TemperatureTest, HundredFahrenheitAFreshStartOnReopeningAndASignedClampedField) {
    HWND tool = open(IDC_OPEN_TEMPERATURE);
    EXPECT_EQ(text_of(tool, IDC_TEMPERATURE_VALUE), "30");
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_CELSIUS), BST_CHECKED);

    convert(tool, L"100", IDC_FAHRENHEIT);
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_CELSIUS), BST_UNCHECKED) << "the scales are one group";
    EXPECT_EQ(text_of(tool, IDC_CELSIUS_RESULT), "摂氏温度は、37.7 度です。");
    EXPECT_EQ(text_of(tool, IDC_FAHRENHEIT_RESULT), "華氏温度は、100.0 度です。");

    choose_menu(tool, IDM_EXIT);
    tool = open(IDC_OPEN_TEMPERATURE);
    EXPECT_EQ(text_of(tool, IDC_TEMPERATURE_VALUE), "30");
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_CELSIUS), BST_CHECKED);

    convert(tool, L"-40", IDC_CELSIUS);
    EXPECT_EQ(text_of(tool, IDC_FAHRENHEIT_RESULT), "華氏温度は、-40.0 度です。");
    // Text set past the limit by another program stops at the field's ends.
    convert(tool, L"2147483647", IDC_CELSIUS);
    EXPECT_EQ(text_of(tool, IDC_CELSIUS_RESULT), "摂氏温度は、9999.0 度です。");
    EXPECT_EQ(text_of(tool, IDC_FAHRENHEIT_RESULT), "華氏温度は、18030.2 度です。");
    convert(tool, L"-99999", IDC_FAHRENHEIT);
    EXPECT_EQ(text_of(tool, IDC_CELSIUS_RESULT), "摂氏温度は、-572.7 度です。");
}

}  // namespace
}  // namespace quivra::testing
