// The tax calculator's window: the fields, the modes, and tax_ritu's two values.
#include <windows.h>

#include <commctrl.h>

#include "base/win/settings_store.h"
#include "res/dialogs/consumption_tax.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using ConsumptionTaxTest = WindowTest;

void calculate(HWND tool, const wchar_t* price, const wchar_t* rate, int mode) {
    SetDlgItemTextW(tool, IDC_TAX_PRICE, price);
    SetDlgItemTextW(tool, IDC_TAX_RATE, rate);
    click(tool, mode);
    click(tool, IDC_TAX_CALCULATE);
}

TEST_F(ConsumptionTaxTest, EachOpeningShowsTheStartUpRateWhileTheFileGetsTheLastOne) {
    write_bytes(settings_file(), "tax_ritu=5\r\n");
    launcher();
    HWND tool = open(IDC_OPEN_TAX);
    EXPECT_EQ(text_of(tool, IDC_TAX_PRICE), "1000");
    EXPECT_EQ(text_of(tool, IDC_TAX_RATE), "5");
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_TAX_INCLUDED), BST_CHECKED);

    click(tool, IDC_TAX_CALCULATE);
    EXPECT_EQ(text_of(tool, IDC_TAX_AMOUNT_RESULT), "本体価格は　　       953円です。");
    EXPECT_EQ(text_of(tool, IDC_TAX_RESULT), "消費税金額は　        47円です。");

    calculate(tool, L"1000", L"10", IDC_TAX_ADDED);
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_TAX_INCLUDED), BST_UNCHECKED) << "the modes are one group";
    EXPECT_EQ(text_of(tool, IDC_TAX_AMOUNT_RESULT), "トータル価格は     1,100円です。");
    EXPECT_EQ(settings.tax_ritu.to_save, 10);
    EXPECT_EQ(settings.tax_ritu.at_startup, 5);

    choose_menu(tool, IDM_EXIT);
    tool = open(IDC_OPEN_TAX);
    EXPECT_EQ(text_of(tool, IDC_TAX_RATE), "5");
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_TAX_INCLUDED), BST_CHECKED);

    restart();
    EXPECT_NE(read_bytes(settings_file()).find("\r\ntax_ritu=10\r\n"), std::string::npos);
    EXPECT_EQ(text_of(open(IDC_OPEN_TAX), IDC_TAX_RATE), "10");
}

TEST_F(ConsumptionTaxTest, FieldsHoldOnlyWhatTheArithmeticCanTake) {
    write_bytes(settings_file(), "tax_ritu=100\r\n");
    launcher();
    HWND tool = open(IDC_OPEN_TAX);
    EXPECT_EQ(text_of(tool, IDC_TAX_RATE), "0");

    // Text another program sets: a rate of -100 must not divide by zero.
    calculate(tool, L"-5", L"-100", IDC_TAX_INCLUDED);
    EXPECT_EQ(text_of(tool, IDC_TAX_AMOUNT_RESULT), "本体価格は　　         0円です。");
    EXPECT_EQ(text_of(tool, IDC_TAX_RESULT), "消費税金額は　         0円です。");
    EXPECT_EQ(settings.tax_ritu.to_save, 0);

    calculate(tool, L"4294967296", L"12345", IDC_TAX_ADDED);
    EXPECT_EQ(text_of(tool, IDC_TAX_AMOUNT_RESULT), "トータル価格は198,999,998円です。");
    EXPECT_EQ(settings.tax_ritu.to_save, 99);
}

}  // namespace
}  // namespace quivra::testing
