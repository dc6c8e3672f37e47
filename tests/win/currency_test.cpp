// The currency converter and its rate editor, driven as a user would.
#include <windows.h>

#include <deque>
#include <functional>
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

std::string line(HWND converter, std::size_t row) {
    HWND list = GetDlgItem(converter, IDC_CURRENCY_RESULTS);
    std::wstring text(std::size_t(SendMessageW(list, LB_GETTEXTLEN, row, 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return narrow(text);
}

void convert(HWND converter, const wchar_t* amount, std::size_t currency) {
    SetDlgItemTextW(converter, IDC_CURRENCY_AMOUNT, amount);
    SendDlgItemMessageW(converter, IDC_CURRENCY_FROM, CB_SETCURSEL, currency, 0);
    click(converter, IDC_CURRENCY_CONVERT);
}

HWND open_editor(HWND converter) {
    choose_menu(converter, IDM_RATE_EDITOR);
    return tool_windows[reinterpret_cast<const Tool*>(tool_parameter(converter))->position];
}

HWND editor_with_euro_at(HWND converter, const wchar_t* yen_text, const wchar_t* sen_text) {
    HWND editor = open_editor(converter);
    SetDlgItemTextW(editor, yen_field(euro), yen_text);
    SetDlgItemTextW(editor, sen_field(euro), sen_text);
    return editor;
}

void press_key(HWND editor, WPARAM key) {
    HWND field = GetDlgItem(editor, yen_field(euro));
    SetFocus(field);
    PostMessageW(field, WM_KEYDOWN, key, 0);
    pump();
}

TEST_F(CurrencyTest, ConvertsWhatTheUserTypesAndRemembersOnlyTheCurrency) {
    write_bytes(settings_file(), "cash_def=16\r\n");
    HWND converter = open(IDC_OPEN_CURRENCY);
    EXPECT_EQ(text_of(converter, IDC_CURRENCY_AMOUNT), "1000");
    EXPECT_EQ(SendDlgItemMessageW(converter, IDC_CURRENCY_FROM, CB_GETCURSEL, 0, 0), LRESULT(yen));
    click(converter, IDC_CURRENCY_CONVERT);
    EXPECT_EQ(SendDlgItemMessageW(converter, IDC_CURRENCY_RESULTS, LB_GETCOUNT, 0, 0), 16);
    EXPECT_EQ(line(converter, dollar), "アメリカドル    \t        8.24");

    convert(converter, L"123456789", yen);  // set from outside, past the field's limit
    EXPECT_EQ(line(converter, yen), "日本円          \t 99999999.00");
    convert(converter, L"3", franc);
    EXPECT_EQ(SendDlgItemMessageW(converter, IDC_CURRENCY_RESULTS, LB_GETCOUNT, 0, 0), 16);
    EXPECT_EQ(line(converter, yen), "日本円          \t      260.28");
    EXPECT_EQ(settings.cash_def.at_startup, std::int32_t(franc));

    choose_menu(converter, IDM_EXIT);
    converter = open(IDC_OPEN_CURRENCY);
    EXPECT_EQ(SendDlgItemMessageW(converter, IDC_CURRENCY_FROM, CB_GETCURSEL, 0, 0), LRESULT(franc));
    EXPECT_EQ(text_of(converter, IDC_CURRENCY_AMOUNT), "1000");
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_NE(read_bytes(settings_file()).find("\r\ncash_def=4\r\n"), std::string::npos);
}

TEST_F(CurrencyTest, ARateStoredInTheOneEditorConvertsAtOnceAndSurvivesARestart) {
    HWND converter = open(IDC_OPEN_CURRENCY);
    HWND editor = editor_with_euro_at(converter, L"121", L"5");
    EXPECT_EQ(open_editor(converter), editor);
    EXPECT_EQ(text_of(editor, yen_field(dollar)), "121");
    EXPECT_EQ(text_of(editor, sen_field(dollar)), "25");
    EXPECT_EQ(SendDlgItemMessageW(editor, yen_field(dollar), EM_GETLIMITTEXT, 0, 0), 3);
    EXPECT_EQ(SendDlgItemMessageW(editor, sen_field(dollar), EM_GETLIMITTEXT, 0, 0), 2);
    // Tab runs through each row's two fields in turn.
    HWND field = GetDlgItem(editor, yen_field(dollar));
    for (std::size_t currency = dollar; currency < first_edited_row + edited_rows; ++currency) {
        EXPECT_EQ(GetDlgCtrlID(field), yen_field(currency));
        field = GetNextDlgTabItem(editor, field, FALSE);
        EXPECT_EQ(GetDlgCtrlID(field), sen_field(currency));
        field = GetNextDlgTabItem(editor, field, FALSE);
    }

    click(editor, IDC_RATE_OK);
    EXPECT_FALSE(IsWindow(editor));
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

TEST_F(CurrencyTest, OnlyOkEnterAndAYesStoreTheRates) {
    HWND converter = open(IDC_OPEN_CURRENCY);
    const std::int32_t before = settings.rates[euro];
    struct Way {
        std::function<void(HWND)> leave;
        std::deque<bool> answers;
        bool stores;
    } ways[] = {
        {[](HWND e) { click(e, IDC_RATE_OK); }, {}, true},
        {[](HWND e) { press_key(e, VK_RETURN); }, {}, true},
        {[](HWND e) { choose_menu(e, IDM_EXIT); }, {true}, true},
        {[](HWND e) { choose_menu(e, IDM_EXIT); }, {false}, false},
        {[](HWND e) { click(e, IDC_RATE_CANCEL); }, {}, false},
        {[](HWND e) { SendMessageW(e, WM_SYSCOMMAND, SC_CLOSE, 0); pump(); }, {}, false},
    };
    for (std::size_t i = 0; i < std::size(ways); ++i) {
        SCOPED_TRACE(i);
        settings.rates[euro] = before;
        fake.shown.clear();
        fake.answers = ways[i].answers;
        HWND editor = editor_with_euro_at(converter, L"1", L"1");
        ways[i].leave(editor);
        EXPECT_FALSE(IsWindow(editor));
        EXPECT_EQ(settings.rates[euro], ways[i].stores ? 101 : before);
        EXPECT_EQ(fake.shown, std::vector<std::string>(ways[i].answers.size(), store_question));
    }

    HWND editor = editor_with_euro_at(converter, L"1", L"1");
    press_key(editor, VK_ESCAPE);
    choose_menu(editor, IDCANCEL);
    EXPECT_TRUE(IsWindow(editor));
    EXPECT_EQ(settings.rates[euro], before);
}

TEST_F(CurrencyTest, TheLaunchersCloseShutsTheEditorWithoutStoringOrAsking) {
    HWND editor = editor_with_euro_at(open(IDC_OPEN_CURRENCY), L"1", L"1");
    const std::int32_t before = settings.rates[euro];
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_TRUE(fake.shown.empty());
    EXPECT_NE(read_bytes(settings_file()).find("\r\nrate02=12631\r\n"), std::string::npos);

    // Nor when it comes while the editor's own question is up.
    launcher_window = nullptr;
    editor = editor_with_euro_at(open(IDC_OPEN_CURRENCY), L"1", L"1");
    fake.answers = {true};
    fake.while_box_is_up = [&] { choose_menu(launcher_window, IDM_EXIT); };
    choose_menu(editor, IDM_EXIT);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(settings.rates[euro], before) << "the fields were gone";
}

}  // namespace
}  // namespace quivra::testing
