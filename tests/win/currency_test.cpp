// The currency converter and its rate editor, driven as a user would.
#include <deque>
#include <functional>

#include "base/win/frame.h"
#include "base/win/settings_store.h"
#include "res/dialogs/currency.h"
#include "res/dialogs/rate_editor.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"
#include "tools/convert/rate_editor.h"

namespace quivra::testing {
namespace {

using CurrencyTest = WindowTest;

constexpr int yen = 0, euro = 2, franc = 4;
constexpr int euro_yen = IDC_RATE_YEN_FIRST + euro - int(first_edited_row);
constexpr int euro_sen = IDC_RATE_SEN_FIRST + euro - int(first_edited_row);

std::string line(HWND converter, int row) { return list_lines(converter, IDC_CURRENCY_RESULTS).at(row); }

void convert(HWND converter, const wchar_t* amount, int currency) {
    SetDlgItemTextW(converter, IDC_CURRENCY_AMOUNT, amount);
    choose_row(converter, IDC_CURRENCY_FROM, currency);
    click(converter, IDC_CURRENCY_CONVERT);
}

HWND open_editor(HWND converter) {
    choose_menu(converter, IDM_RATE_EDITOR);
    return tool_windows[reinterpret_cast<const Tool*>(tool_parameter(converter))->position];
}

// The editor with the euro typed in as `yen` yen `sen` sen.
HWND editor_with_euro(HWND converter, const wchar_t* yen = L"1", const wchar_t* sen = L"1") {
    HWND editor = open_editor(converter);
    SetDlgItemTextW(editor, euro_yen, yen);
    SetDlgItemTextW(editor, euro_sen, sen);
    return editor;
}

void press_key(HWND editor, WPARAM key) {
    SetFocus(GetDlgItem(editor, euro_yen));
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    pump();
}

TEST_F(CurrencyTest, ConvertsWhatTheUserTypesAndRemembersOnlyTheCurrency) {
    write_bytes(settings_file(), "cash_def=16\r\n");
    HWND converter = open(IDC_OPEN_CURRENCY);
    EXPECT_EQ(selected_row(converter, IDC_CURRENCY_FROM), yen);
    convert(converter, L"123456789", yen);  // set from outside, past the field's limit
    EXPECT_EQ(line(converter, yen), "日本円          \t 99999999.00");
    convert(converter, L"3", franc);
    EXPECT_EQ(line(converter, yen), "日本円          \t      260.28");

    converter = reopen(converter, IDC_OPEN_CURRENCY);
    EXPECT_EQ(selected_row(converter, IDC_CURRENCY_FROM), franc);
    EXPECT_EQ(text_of(converter, IDC_CURRENCY_AMOUNT), "1000");
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_TRUE(saved("\r\ncash_def=4\r\n"));
}

TEST_F(CurrencyTest, ARateStoredInTheOneEditorConvertsAtOnceAndSurvivesARestart) {
    HWND converter = open(IDC_OPEN_CURRENCY);
    HWND editor = editor_with_euro(converter, L"121", L"5");
    EXPECT_EQ(open_editor(converter), editor);
    EXPECT_EQ(text_of(editor, IDC_RATE_YEN_FIRST), "121") << "the dollar's 121.25";
    EXPECT_EQ(text_of(editor, IDC_RATE_SEN_FIRST), "25");
    click(editor, IDC_RATE_OK);
    convert(converter, L"100", euro);
    EXPECT_EQ(line(converter, yen), "日本円          \t    12105.00");
    restart();
    EXPECT_TRUE(saved("\r\nrate02=12105\r\n"));
    editor = open_editor(open(IDC_OPEN_CURRENCY));
    EXPECT_EQ(text_of(editor, euro_yen), "121");
    EXPECT_EQ(text_of(editor, euro_sen), "5");
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
        HWND editor = editor_with_euro(converter);
        ways[i].leave(editor);
        EXPECT_FALSE(IsWindow(editor));
        EXPECT_EQ(settings.rates[euro], ways[i].stores ? 101 : before);
        EXPECT_EQ(fake.shown, std::vector<std::string>(ways[i].answers.size(), store_question));
    }
    HWND editor = editor_with_euro(converter);
    press_key(editor, VK_ESCAPE);
    choose_menu(editor, IDCANCEL);
    EXPECT_TRUE(IsWindow(editor)) << "neither Escape nor its command leaves";
}

TEST_F(CurrencyTest, TheLaunchersCloseShutsTheEditorWithoutStoringOrAsking) {
    HWND editor = editor_with_euro(open(IDC_OPEN_CURRENCY));
    const std::int32_t before = settings.rates[euro];
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_TRUE(fake.shown.empty());
    EXPECT_TRUE(saved("\r\nrate02=12631\r\n"));

    // Nor when it comes while the editor's own question is up.
    launcher_window = nullptr;
    editor = editor_with_euro(open(IDC_OPEN_CURRENCY));
    fake.answers = {true};
    fake.while_box_is_up = [&] { choose_menu(launcher_window, IDM_EXIT); };
    choose_menu(editor, IDM_EXIT);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(settings.rates[euro], before) << "the fields were gone";
}

}  // namespace
}  // namespace quivra::testing
