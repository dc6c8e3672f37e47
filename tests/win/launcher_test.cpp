#include <string>
#include <vector>

#include "base/win/frame.h"
#include "base/win/platform.h"
#include "base/win/text.h"
#include "res/dialogs/date_calculator.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using LauncherTest = WindowTest;

TEST_F(LauncherTest, OpensCentredAndEachButtonShowsItsOwnIcon) {
    HWND l = launcher();
    EXPECT_EQ(window_text(l), "Quivra v1.23");
    for (int i = 0; i < 16; ++i) {
        HWND button = GetDlgItem(l, IDC_FIRST_TOOL_BUTTON + i);
        ASSERT_NE(button, nullptr);
        HICON expected = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUIVRA + 1 + i));
        EXPECT_EQ(HICON(SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0)), expected)
            << "button " << IDC_FIRST_TOOL_BUTTON + i;
    }
    RECT r = outer_rect(l);
    EXPECT_EQ(r.left, screen_width() / 2 - (r.right - r.left) / 2);
    EXPECT_EQ(r.top, screen_height() / 2 - (r.bottom - r.top) / 2);
}

TEST_F(LauncherTest, WithASettingsFileItTakesRowZeroEvenAtTheScreenCorner) {
    write_bytes(settings_file(), "dlg00_left=0\r\ndlg00_top=0\r\n");
    RECT r = outer_rect(launcher());
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    DestroyWindow(launcher_window);

    write_bytes(settings_file(), "dlg00_left=40\r\ndlg00_top=30\r\n");
    r = outer_rect(launcher());
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30);
}

TEST_F(LauncherTest, ExitWritesEverySettingWithTheLaunchersPosition) {
    HWND l = launcher();
    SetWindowPos(l, nullptr, 33, 44, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    choose_menu(l, IDM_EXIT);
    EXPECT_FALSE(IsWindow(l));
    std::string file = read_bytes(settings_file());
    EXPECT_EQ(file.rfind("dlg00_left=33\r\ndlg00_top=44\r\ndlg01_left=0\r\n", 0), 0u);
    EXPECT_NE(file.find("\r\nrate15=1453\r\nPASSCODE=0000000000\r\n"), std::string::npos);
}

TEST_F(LauncherTest, HelpShowsItsMessageAndEscapeDoesNothing) {
    HWND l = launcher();
    choose_menu(l, IDM_HELP);
    ASSERT_EQ(fake.shown.size(), 1u);
    EXPECT_EQ(fake.shown[0],
              "ごめんなさい！　ヘルプファイルは作ってません。(^^;;;\n"
              "何か疑問などありましたらメール下さいませ。");
    choose_menu(l, IDCANCEL);
    SendMessageW(l, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 1), 0);  // not a click: ignored
    pump();
    EXPECT_TRUE(IsWindow(l));
    EXPECT_EQ(fake.shown.size(), 1u);
}

// A tool that counts until the launcher's closing stops it.
struct StandIn {
    const char* question;
    bool counting = true;
    int stops = 0;
};

INT_PTR CALLBACK stand_in_procedure(HWND window, UINT message, WPARAM, LPARAM) {
    if (message != launcher_closing_message) return FALSE;
    auto& tool = *reinterpret_cast<StandIn*>(tool_parameter(window));
    if (!tool.counting) return FALSE;
    if (!platform().ask(window, tool.question)) return TRUE;
    tool.counting = false;
    ++tool.stops;
    return FALSE;
}

TEST_F(LauncherTest, CountingToolsAreAskedInPositionOrderAndAnyNoCancelsTheClose) {
    HWND l = launcher();
    StandIn timer{"timer?"}, stopwatch{"stopwatch?"};
    const Tool stopwatch_row{4, 0, IDD_DATE_CALCULATOR, stand_in_procedure, LPARAM(&stopwatch)};
    const Tool timer_row{3, 0, IDD_DATE_CALCULATOR, stand_in_procedure, LPARAM(&timer)};
    open_tool(stopwatch_row);
    open_tool(timer_row);
    HWND length = open(IDC_OPEN_LENGTH);

    fake.answers = {true, false};
    choose_menu(l, IDM_EXIT);
    EXPECT_EQ(fake.shown, (std::vector<std::string>{"timer?", "stopwatch?"}));
    EXPECT_EQ(timer.stops, 1) << "Yes stops the tool at once";
    EXPECT_TRUE(stopwatch.counting);
    for (HWND window : {l, tool_windows[3], tool_windows[4], length}) EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(std::filesystem::exists(settings_file()));

    fake.shown.clear();
    fake.answers = {true};
    choose_menu(l, IDM_EXIT);
    EXPECT_EQ(fake.shown, std::vector<std::string>{"stopwatch?"}) << "each asked once";
    EXPECT_EQ(stopwatch.stops, 1);
    EXPECT_FALSE(IsWindow(l));
    EXPECT_FALSE(IsWindow(length));
    EXPECT_TRUE(std::filesystem::exists(settings_file()));
}

// The About box is modal: what the user does in it happens from a timer
// that fires inside its loop.
struct AboutVisit {
    HWND launcher = nullptr;
    HWND box = nullptr;
    bool open_after_escape = false;
    int focused = 0;
};
AboutVisit visit;

void CALLBACK look_at_about_box(HWND, UINT, UINT_PTR timer, DWORD) {
    visit.box = FindWindowW(nullptr, L"Quivra");
    if (!visit.box) return;  // not open yet: look again at the next tick
    KillTimer(nullptr, timer);
    EXPECT_EQ(GetWindow(visit.box, GW_OWNER), visit.launcher);
    EXPECT_FALSE(IsWindowEnabled(visit.launcher));
    visit.focused = GetDlgCtrlID(GetFocus());
    SendMessageW(visit.box, WM_COMMAND, IDCANCEL, 0);
    visit.open_after_escape = IsWindowVisible(visit.box);
    SendMessageW(GetDlgItem(visit.box, IDC_ABOUT_OK), BM_CLICK, 0, 0);
}

TEST_F(LauncherTest, AboutBoxIsModalOpensOnOkAndClosesOnlyWithIt) {
    visit = AboutVisit{};
    visit.launcher = launcher();
    SetTimer(nullptr, 0, 50, look_at_about_box);
    choose_menu(visit.launcher, IDM_ABOUT);
    ASSERT_NE(visit.box, nullptr);
    EXPECT_FALSE(IsWindow(visit.box));
    EXPECT_TRUE(visit.open_after_escape);
    EXPECT_EQ(visit.focused, IDC_ABOUT_OK);
}

}  // namespace
}  // namespace quivra::testing
