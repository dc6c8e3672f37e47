#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/win/frame.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/currency.h"
#include "res/dialogs/rate_editor.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"
#include "tools/convert/rate_editor.h"

namespace quivra::testing {
namespace {

using CurrencyTest = WindowTest;

constexpr std::size_t yen = 0, dollar = 1, euro = 2, franc = 4;

int yen_field(std::size_t currency) { return IDC_RATE_YEN_FIRST + int(currency - first_edited_row); }
int sen_field(std::size_t currency) { return IDC_RATE_SEN_FIRST + int(currency - first_edited_row); }

LRESULT line_count(HWND converter) {
    return SendDlgItemMessageW(converter, IDC_CURRENCY_RESULTS, LB_GETCOUNT, 0, 0);
}

std::string line(HWND converter, std::size_t row) {
    HWND list = GetDlgItem(converter, IDC_CURRENCY_RESULTS);
    std::wstring text(std::size_t(SendMessageW(list, LB_GETTEXTLEN, row, 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return narrow(text);
}

LRESULT selected_currency(HWND converter) {
    return SendDlgItemMessageW(converter, IDC_CURRENCY_FROM, CB_GETCURSEL, 0, 0);
}

void convert(HWND converter, const wchar_t* amount, std::size_t currency) {
    SetDlgItemTextW(converter, IDC_CURRENCY_AMOUNT, amount);
    SendDlgItemMessageW(converter, IDC_CURRENCY_FROM, CB_SETCURSEL, currency, 0);
    click(converter, IDC_CURRENCY_CONVERT);
}

// The converter's menu opens the editor, a tool window of its own.
HWND open_editor(HWND converter) {
    choose_menu(converter, IDM_RATE_EDITOR);
    return tool_windows[reinterpret_cast<const Tool*>(tool_parameter(converter))->position];
}

void type_rate(HWND editor, std::size_t currency, const wchar_t* yen_text, const wchar_t* sen_text) {
    SetDlgItemTextW(editor, yen_field(currency), yen_text);
    SetDlgItemTextW(editor, sen_field(currency), sen_text);
}

void press_key(HWND editor, std::size_t currency, WPARAM key) {
    HWND field = GetDlgItem(editor, yen_field(currency));
    SetFocus(field);
    PostMessageW(field, WM_KEYDOWN, key, 0);
    pump();
}

TEST_F(CurrencyTest, AThousandYenAndThreeFrancsAsTheUserConvertsThem) {
    HWND converter = open(IDC_OPEN_CURRENCY);
    EXPECT_EQ(window_text(converter), "Quivra　外国為替？");
    EXPECT_EQ(text_of(converter, IDC_CURRENCY_AMOUNT), "1000");
    EXPECT_EQ(SendDlgItemMessageW(converter, IDC_CURRENCY_FROM, CB_GETCOUNT, 0, 0), 16);
    EXPECT_EQ(selected_currency(converter), LRESULT(yen));
    EXPECT_EQ(line_count(converter), 0);

    click(converter, IDC_CURRENCY_CONVERT);
    ASSERT_EQ(line_count(converter), 16);
    EXPECT_EQ(line(converter, dollar), "アメリカドル    \t        8.24");

    convert(converter, L"3", franc);
    ASSERT_EQ(line_count(converter), 16) << "the list starts again";
    EXPECT_EQ(line(converter, yen), "日本円          \t      260.28");
    EXPECT_EQ(settings.cash_def.at_startup, std::int32_t(franc));
    EXPECT_EQ(settings.cash_def.to_save, std::int32_t(franc));

    // Reopened, the currency is the last one converted but the amount starts afresh.
    choose_menu(converter, IDM_EXIT);
    converter = open(IDC_OPEN_CURRENCY);
    EXPECT_EQ(selected_currency(converter), LRESULT(franc));
    EXPECT_EQ(text_of(converter, IDC_CURRENCY_AMOUNT), "1000");
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_NE(read_bytes(settings_file()).find("\r\ncash_def=4\r\n"), std::string::npos);
}

TEST_F(CurrencyTest, TheAmountIsClampedAndAStoredRowOutsideTheTableSelectsTheFirst) {
    write_bytes(settings_file(), "cash_def=16\r\n");
    HWND converter = open(IDC_OPEN_CURRENCY);
    EXPECT_EQ(selected_currency(converter), LRESULT(yen));
    EXPECT_EQ(SendDlgItemMessageW(converter, IDC_CURRENCY_AMOUNT, EM_GETLIMITTEXT, 0, 0), 8);

    convert(converter, L"123456789", yen);  // set from outside, past the field's limit
    EXPECT_EQ(line(converter, yen), "日本円          \t 99999999.00");
    convert(converter, L"", dollar);
    EXPECT_EQ(line(converter, yen), "日本円          \t        0.00");
    EXPECT_EQ(settings.cash_def.to_save, std::int32_t(dollar));
}

TEST_F(CurrencyTest, TheEditorShowsEveryRateInItsFieldsAndOpensOnce) {
    write_bytes(settings_file(), "rate02=12105\r\n");
    HWND converter = open(IDC_OPEN_CURRENCY);
    HWND editor = open_editor(converter);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(window_text(editor), "Quivra　為替レートの変更");
    EXPECT_EQ(text_of(editor, yen_field(dollar)), "121");
    EXPECT_EQ(text_of(editor, sen_field(dollar)), "25");
    EXPECT_EQ(text_of(editor, yen_field(euro)), "121");
    EXPECT_EQ(text_of(editor, sen_field(euro)), "5");
    EXPECT_EQ(SendDlgItemMessageW(editor, yen_field(euro), EM_GETLIMITTEXT, 0, 0), 3);
    EXPECT_EQ(SendDlgItemMessageW(editor, sen_field(euro), EM_GETLIMITTEXT, 0, 0), 2);
    EXPECT_EQ(open_editor(converter), editor);

    // Tab runs through each row's two fields in turn.
    HWND field = GetDlgItem(editor, yen_field(dollar));
    for (std::size_t currency = dollar; currency < first_edited_row + edited_rows; ++currency) {
        EXPECT_EQ(GetDlgCtrlID(field), yen_field(currency));
        field = GetNextDlgTabItem(editor, field, FALSE);
        EXPECT_EQ(GetDlgCtrlID(field), sen_field(currency));
        field = GetNextDlgTabItem(editor, field, FALSE);
    }
    EXPECT_EQ(GetDlgCtrlID(field), IDC_RATE_OK);
}

TEST_F(CurrencyTest, ARateStoredWithOkConvertsAtOnceAndSurvivesARestart) {
    HWND converter = open(IDC_OPEN_CURRENCY);
    HWND editor = open_editor(converter);
    type_rate(editor, euro, L"121", L"5");
    click(editor, IDC_RATE_OK);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(settings.rates[euro], 12105);
    EXPECT_TRUE(fake.shown.empty());
    convert(converter, L"100", euro);
    EXPECT_EQ(line(converter, yen), "日本円          \t    12105.00");

    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_NE(read_bytes(settings_file()).find("\r\nrate02=12105\r\n"), std::string::npos);

    settings = Settings{};
    launcher_window = nullptr;
    editor = open_editor(open(IDC_OPEN_CURRENCY));
    EXPECT_EQ(text_of(editor, yen_field(euro)), "121");
    EXPECT_EQ(text_of(editor, sen_field(euro)), "5");
}

TEST_F(CurrencyTest, EnterStoresWhileCancelTheCloseBoxAndEscapeStoreNothing) {
    HWND converter = open(IDC_OPEN_CURRENCY);
    const auto rates = settings.rates;

    HWND editor = open_editor(converter);
    type_rate(editor, euro, L"1", L"1");
    click(editor, IDC_RATE_CANCEL);
    EXPECT_FALSE(IsWindow(editor));

    editor = open_editor(converter);
    type_rate(editor, euro, L"1", L"1");
    SendMessageW(editor, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(settings.rates, rates);

    editor = open_editor(converter);
    type_rate(editor, euro, L"1", L"1");
    press_key(editor, euro, VK_ESCAPE);
    choose_menu(editor, IDCANCEL);
    EXPECT_TRUE(IsWindow(editor));
    EXPECT_EQ(settings.rates, rates);

    press_key(editor, euro, VK_RETURN);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(settings.rates[euro], 101);
    EXPECT_TRUE(fake.shown.empty()) << "none of these asks";
}

TEST_F(CurrencyTest, ExitFromTheEditorsMenuAsksWhetherToStoreFirst) {
    HWND converter = open(IDC_OPEN_CURRENCY);
    const auto rates = settings.rates;

    HWND editor = open_editor(converter);
    type_rate(editor, dollar, L"99", L"9");
    fake.answers = {false};
    choose_menu(editor, IDM_EXIT);
    EXPECT_EQ(fake.shown, std::vector<std::string>{store_question});
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(settings.rates, rates);

    editor = open_editor(converter);
    type_rate(editor, dollar, L"99", L"9");
    fake.answers = {true};
    choose_menu(editor, IDM_EXIT);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(settings.rates[dollar], 9909);
}

TEST_F(CurrencyTest, TheLaunchersCloseShutsTheEditorWithoutStoringOrAsking) {
    HWND editor = open_editor(open(IDC_OPEN_CURRENCY));
    type_rate(editor, euro, L"1", L"1");
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_TRUE(fake.shown.empty());
    EXPECT_NE(read_bytes(settings_file()).find("\r\nrate02=12631\r\n"), std::string::npos);
}

TEST_F(CurrencyTest, TheLauncherClosingWhileTheQuestionIsUpStoresNothingAfterwards) {
    HWND editor = open_editor(open(IDC_OPEN_CURRENCY));
    const auto rates = settings.rates;
    fake.answers = {true};
    fake.while_box_is_up = [&] { choose_menu(launcher_window, IDM_EXIT); };
    choose_menu(editor, IDM_EXIT);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(settings.rates, rates) << "the fields were gone";
}

TEST_F(CurrencyTest, AZeroRateDashesItsCurrencyAndLosesNoOtherRate) {
    HWND converter = open(IDC_OPEN_CURRENCY);
    HWND editor = open_editor(converter);
    type_rate(editor, dollar, L"0", L"0");
    type_rate(editor, franc, L"87", L"");
    click(editor, IDC_RATE_OK);
    click(converter, IDC_CURRENCY_CONVERT);
    EXPECT_EQ(line(converter, dollar), "アメリカドル    \t    -----");
    EXPECT_EQ(line(converter, euro), "ユーロ          \t        7.91");

    choose_menu(launcher_window, IDM_EXIT);
    const std::string file = read_bytes(settings_file());
    EXPECT_EQ(file.find("rate01="), std::string::npos);
    EXPECT_NE(file.find("\r\nrate00=100\r\nrate02=12631\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nrate04=8700\r\n"), std::string::npos);
}

}  // namespace
}  // namespace quivra::testing
