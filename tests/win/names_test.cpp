// What a screen reader finds: the launcher's picture buttons and every tool's fields have names.
#include <cwchar>
#include <string>
#include <vector>

#include "app/tool_table.h"
#include "base/win/frame.h"
#include "res/dialogs/currency.h"
#include "res/dialogs/date_calculator.h"
#include "res/dialogs/rate_editor.h"
#include "res/launcher_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using NamesTest = WindowTest;

std::wstring window_text(HWND window) {
    wchar_t text[64]{};
    GetWindowTextW(window, text, 64);
    return text;
}

TEST_F(NamesTest, EachLauncherButtonIsNamedByTheCaptionBeneathIt) {
    HWND l = launcher();
    for (const Tool& tool : launcher_tools()) {
        const int id = tool.command;
        HWND button = GetDlgItem(l, id), caption = GetWindow(button, GW_HWNDNEXT);
        ASSERT_NE(caption, nullptr) << "button " << id;
        EXPECT_FALSE(window_text(caption).empty()) << "button " << id;
        EXPECT_EQ(window_text(button), window_text(caption)) << "button " << id;
    }
}

bool is_class(HWND window, const wchar_t* name) {
    wchar_t found[32]{};
    GetClassNameW(window, found, 32);
    return _wcsicmp(found, name) == 0;
}

// What a user types or picks into; a read-only edit only shows a result.
bool takes_input(HWND control) {
    if (is_class(control, L"Edit")) return !(GetWindowLongPtrW(control, GWL_STYLE) & ES_READONLY);
    for (const wchar_t* name : {L"ComboBox", L"ComboBoxEx32", L"SysDateTimePick32", L"SysMonthCal32",
                                L"msctls_trackbar32", L"msctls_hotkey32", L"SysIPAddress32"})
        if (is_class(control, name)) return true;
    return false;
}

// A static that shows words, which assistive technology takes as the next field's name.
bool is_label(HWND control) {
    if (!control || !is_class(control, L"Static")) return false;
    switch (GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK) {
    case SS_LEFT: case SS_CENTER: case SS_RIGHT: case SS_SIMPLE: case SS_LEFTNOWORDWRAP:
        return !window_text(control).empty();
    }
    return false;
}

TEST_F(NamesTest, EveryFieldOfEveryToolFollowsItsLabel) {
    std::vector<HWND> windows;
    for (const Tool& tool : launcher_tools()) windows.push_back(open(tool.command));
    HWND currency = open(IDC_OPEN_CURRENCY);
    choose_menu(currency, IDM_RATE_EDITOR);
    windows.push_back(tool_window_with(IDC_RATE_YEN_FIRST));
    choose_menu(open(IDC_OPEN_DATE_CALCULATOR), IDM_HOLIDAY_LIST);
    windows.push_back(tool_window_with(IDC_HOLIDAY_LIST));
    choose_menu(open(IDC_OPEN_DATE_CALCULATOR), IDM_OFFICE_CALENDAR);
    windows.push_back(tool_window_with(IDC_OFFICE_LIST));
    int fields = 0;
    for (HWND window : windows) {
        ASSERT_NE(window, nullptr);
        HWND previous = nullptr;
        for (HWND c = GetWindow(window, GW_CHILD); c; previous = c, c = GetWindow(c, GW_HWNDNEXT)) {
            if (!takes_input(c)) continue;
            ++fields;
            EXPECT_TRUE(is_label(previous)) << "field " << GetDlgCtrlID(c) << " of " << window_text(window);
        }
    }
    EXPECT_GT(fields, 0);
}

}  // namespace
}  // namespace quivra::testing
