// The launcher, its About box and the frame every tool window shares.
#include <vector>

#include "app/tool_table.h"
#include "base/win/frame.h"
#include "base/win/settings_store.h"
#include "res/dialogs/list_converters.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using ShellTest = WindowTest;

void move_to(HWND window, int left, int top) {
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

TEST_F(ShellTest, LauncherShowsEachToolsIconIgnoresEscapeAndNonClicksAndTakesRowZeroEvenAtTheCorner) {
    HWND l = launcher();
    EXPECT_TRUE(is_centred(l));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(HICON(SendDlgItemMessageW(l, IDC_FIRST_TOOL_BUTTON + i, BM_GETIMAGE, IMAGE_ICON, 0)),
                  LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUIVRA + 1 + i)))
            << "button " << IDC_FIRST_TOOL_BUTTON + i;
    choose_menu(l, IDM_HELP);
    choose_menu(l, IDCANCEL);
    SendMessageW(l, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 1), 0);
    pump();
    EXPECT_EQ(fake.shown.size(), 1u) << "the help message";
    choose_menu(l, IDM_EXIT);
    write_bytes(settings_file(), "dlg00_left=0\r\ndlg00_top=0\r\n");
    EXPECT_EQ(place_of(launcher()), (Position{0, 0}));
}

// The About box is modal: what the user does in it happens from a timer
// that fires inside its loop. Escape and the home page leave it open.
struct AboutVisit {
    HWND launcher = nullptr, box = nullptr;
    const std::vector<std::wstring>* opened = nullptr;
    bool modal = false, open_after_escape_and_home_page = false;
    int focused = 0;
    std::size_t opened_by_click = 0;
} visit;

void CALLBACK use_about_box(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!(visit.box = FindWindowW(nullptr, L"Quivra"))) return;  // not open yet
    KillTimer(nullptr, timer);
    visit.modal = GetWindow(visit.box, GW_OWNER) == visit.launcher && !IsWindowEnabled(visit.launcher);
    visit.focused = GetDlgCtrlID(GetFocus());
    SendMessageW(visit.box, WM_COMMAND, IDCANCEL, 0);
    SendMessageW(GetDlgItem(visit.box, IDC_HOME_PAGE), BM_CLICK, 0, 0);
    visit.opened_by_click = visit.opened->size();
    visit.open_after_escape_and_home_page = IsWindowVisible(visit.box);
    SendMessageW(GetDlgItem(visit.box, IDC_ABOUT_OK), BM_CLICK, 0, 0);
}

TEST_F(ShellTest, AboutBoxIsModalOpensTheManualAndClosesOnlyWithOk) {
    visit = AboutVisit{launcher(), nullptr, &fake.opened};
    SetTimer(nullptr, 0, 50, use_about_box);
    choose_menu(launcher_window, IDM_ABOUT);
    ASSERT_NE(visit.box, nullptr);
    EXPECT_TRUE(visit.modal);
    EXPECT_EQ(visit.focused, IDC_ABOUT_OK);
    EXPECT_TRUE(visit.open_after_escape_and_home_page);
    EXPECT_EQ(visit.opened_by_click, 1u) << "opened at the click, not when the box closed";
    EXPECT_FALSE(IsWindow(visit.box));
    EXPECT_EQ(fake.opened, std::vector<std::wstring>{program_directory() + L"quivra.html"});
    EXPECT_TRUE(fake.shown.empty()) << "no box of the program's own";
}

TEST_F(ShellTest, APressOnAnOpenToolsButtonBringsBackTheSameWindowWhichKeysDoNotClose) {
    HWND first = open(IDC_OPEN_LENGTH);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(open(IDC_OPEN_LENGTH), first);
    HWND field = GetDlgItem(first, LENGTH_CONVERTER_BASE + IDC_LIST_VALUE);
    SetFocus(field);
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) PostMessageW(field, WM_KEYDOWN, key, 0);
    pump();
    choose_menu(first, IDCANCEL);
    EXPECT_TRUE(IsWindow(first));
}

TEST_F(ShellTest, AToolReopensWhereItWasClosedAndCentresFromTheCorner) {
    HWND tool = open(IDC_OPEN_LENGTH);
    EXPECT_TRUE(is_centred(tool)) << "never placed before";
    move_to(tool, 50, 60);
    choose_menu(tool, IDM_EXIT);
    EXPECT_EQ(tool_windows[tool_for_command(IDC_OPEN_LENGTH)->position], nullptr);
    tool = open(IDC_OPEN_LENGTH);
    EXPECT_EQ(place_of(tool), (Position{50, 60}));
    // The close box takes the same path as the menu.
    move_to(tool, 0, 0);
    SendMessageW(tool, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_FALSE(IsWindow(tool));
    EXPECT_TRUE(is_centred(open(IDC_OPEN_LENGTH)));
}

std::vector<HWND> close_order;
LRESULT CALLBACK record_closes(int code, WPARAM wparam, LPARAM lparam) {
    auto* call = reinterpret_cast<CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && call->message == WM_CLOSE) close_order.push_back(call->hwnd);
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

TEST_F(ShellTest, ExitClosesEveryToolInPositionOrderAndWritesTheWholeFileWithTheirPlaces) {
    HWND l = launcher();
    HWND speed = open(IDC_OPEN_SPEED), length = open(IDC_OPEN_LENGTH), dates = open(IDC_OPEN_DATE_CALCULATOR);
    move_to(l, 33, 44);
    move_to(speed, 120, 130);
    move_to(length, 70, 80);
    move_to(dates, 10, 20);
    close_order.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, record_closes, nullptr, GetCurrentThreadId());
    choose_menu(l, IDM_EXIT);
    UnhookWindowsHookEx(hook);

    std::erase(close_order, l);
    EXPECT_EQ(close_order, (std::vector<HWND>{dates, length, speed}));
    EXPECT_FALSE(IsWindow(l));
    std::string file = read_bytes(settings_file());
    EXPECT_TRUE(file.starts_with("dlg00_left=33\r\ndlg00_top=44\r\ndlg01_left=10\r\ndlg01_top=20\r\n"));
    EXPECT_TRUE(file.ends_with("\r\nrate15=1453\r\nPASSCODE=0000000000\r\n"));
    EXPECT_TRUE(saved("\r\ndlg07_left=70\r\ndlg07_top=80\r\n"));
    EXPECT_TRUE(saved("\r\ndlg12_left=120\r\ndlg12_top=130\r\n"));
}

}  // namespace
}  // namespace quivra::testing
