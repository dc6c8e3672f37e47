// The launcher: its buttons, its place, its menu and the modal About box.
#include <filesystem>
#include <string>

#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using LauncherTest = WindowTest;

TEST_F(LauncherTest, OpensCentredAndEachButtonShowsItsOwnIcon) {
    HWND l = launcher();
    for (int i = 0; i < 16; ++i) {
        HICON expected = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUIVRA + 1 + i));
        EXPECT_EQ(HICON(SendDlgItemMessageW(l, IDC_FIRST_TOOL_BUTTON + i, BM_GETIMAGE, IMAGE_ICON, 0)),
                  expected)
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
}

TEST_F(LauncherTest, ExitWritesEverySettingWithTheLaunchersPosition) {
    HWND l = launcher();
    SetWindowPos(l, nullptr, 33, 44, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    choose_menu(l, IDM_EXIT);
    EXPECT_FALSE(IsWindow(l));
    std::string file = read_bytes(settings_file());
    EXPECT_TRUE(file.starts_with("dlg00_left=33\r\ndlg00_top=44\r\ndlg01_left=0\r\n"));
    EXPECT_TRUE(file.ends_with("\r\nrate15=1453\r\nPASSCODE=0000000000\r\n"));
}

TEST_F(LauncherTest, HelpShowsItsMessageAndEscapeOrANonClickDoNothing) {
    HWND l = launcher();
    choose_menu(l, IDM_HELP);
    EXPECT_EQ(fake.shown, std::vector<std::string>{
                              "ごめんなさい！　ヘルプファイルは作ってません。(^^;;;\n"
                              "何か疑問などありましたらメール下さいませ。"});
    choose_menu(l, IDCANCEL);
    SendMessageW(l, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 1), 0);
    pump();
    EXPECT_TRUE(IsWindow(l));
    EXPECT_EQ(fake.shown.size(), 1u);
}

// The About box is modal: what the user does in it happens from a timer
// that fires inside its loop.
struct AboutVisit {
    FakePlatform* fake = nullptr;
    HWND launcher = nullptr, box = nullptr;
    bool launcher_enabled = true, open_after_escape = false, open_after_home_page = false;
    std::size_t opened_by_click = 0;
    int focused = 0;
};
AboutVisit visit;

void CALLBACK use_about_box(HWND, UINT, UINT_PTR timer, DWORD) {
    visit.box = FindWindowW(nullptr, L"Quivra");
    if (!visit.box) return;  // not open yet: look again at the next tick
    KillTimer(nullptr, timer);
    EXPECT_EQ(GetWindow(visit.box, GW_OWNER), visit.launcher);
    visit.launcher_enabled = IsWindowEnabled(visit.launcher);
    visit.focused = GetDlgCtrlID(GetFocus());
    SendMessageW(visit.box, WM_COMMAND, IDCANCEL, 0);
    visit.open_after_escape = IsWindowVisible(visit.box);
    SendMessageW(GetDlgItem(visit.box, IDC_HOME_PAGE), BM_CLICK, 0, 0);
    visit.opened_by_click = visit.fake->opened.size();
    visit.open_after_home_page = IsWindowVisible(visit.box);
    SendMessageW(GetDlgItem(visit.box, IDC_ABOUT_OK), BM_CLICK, 0, 0);
}

TEST_F(LauncherTest, AboutBoxIsModalOpensTheManualAndClosesOnlyWithOk) {
    visit = AboutVisit{&fake};
    visit.launcher = launcher();
    SetTimer(nullptr, 0, 50, use_about_box);
    choose_menu(visit.launcher, IDM_ABOUT);
    ASSERT_NE(visit.box, nullptr);
    EXPECT_FALSE(visit.launcher_enabled);
    EXPECT_EQ(visit.focused, IDC_ABOUT_OK);
    EXPECT_TRUE(visit.open_after_escape);
    EXPECT_TRUE(visit.open_after_home_page);
    EXPECT_EQ(visit.opened_by_click, 1u) << "opened at the click, not when the box closed";
    EXPECT_FALSE(IsWindow(visit.box));

    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    ASSERT_EQ(fake.opened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(fake.opened[0]),
              std::filesystem::path(program).parent_path() / L"quivra.html");
    EXPECT_TRUE(fake.shown.empty()) << "no box of the program's own";
}

}  // namespace
}  // namespace quivra::testing
