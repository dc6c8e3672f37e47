// The frame every tool window shares: one window per tool, its place, its closing.
#include <vector>

#include "app/tool_table.h"
#include "base/win/frame.h"
#include "base/win/settings_store.h"
#include "res/dialogs/list_converters.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using FrameTest = WindowTest;

// The length tool's row in the table of tools.
int length_position() { return tool_for_command(IDC_OPEN_LENGTH)->position; }

void move_to(HWND window, int left, int top) {
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

bool is_centred(HWND window) {
    RECT r = outer_rect(window);
    return r.left == screen_width() / 2 - (r.right - r.left) / 2 &&
           r.top == screen_height() / 2 - (r.bottom - r.top) / 2;
}

TEST_F(FrameTest, APressOnAnOpenToolsButtonBringsBackTheSameWindowWhichKeysDoNotClose) {
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

TEST_F(FrameTest, AToolReopensWhereItWasClosedAndCentresFromTheCorner) {
    HWND tool = open(IDC_OPEN_LENGTH);
    EXPECT_TRUE(is_centred(tool)) << "never placed before";
    move_to(tool, 50, 60);
    choose_menu(tool, IDM_EXIT);
    EXPECT_FALSE(IsWindow(tool));
    EXPECT_EQ(tool_windows[length_position()], nullptr);
    EXPECT_EQ(settings.positions[length_position()], (Position{50, 60}));

    tool = open(IDC_OPEN_LENGTH);
    EXPECT_EQ(outer_rect(tool).left, 50);
    EXPECT_EQ(outer_rect(tool).top, 60);

    // The close box takes the same path as the menu.
    move_to(tool, 0, 0);
    SendMessageW(tool, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_FALSE(IsWindow(tool));
    EXPECT_EQ(settings.positions[length_position()], (Position{0, 0}));
    EXPECT_TRUE(is_centred(open(IDC_OPEN_LENGTH)));
}

std::vector<HWND> close_order;
LRESULT CALLBACK record_closes(int code, WPARAM wparam, LPARAM lparam) {
    auto* call = reinterpret_cast<CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && call->message == WM_CLOSE) close_order.push_back(call->hwnd);
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

TEST_F(FrameTest, ClosingTheLauncherClosesEveryToolInPositionOrderAndKeepsTheirPlaces) {
    HWND l = launcher();
    HWND speed = open(IDC_OPEN_SPEED);
    HWND length = open(IDC_OPEN_LENGTH);
    HWND dates = open(IDC_OPEN_DATE_CALCULATOR);
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
    for (const char* line : {"dlg01_left=10\r\ndlg01_top=20\r\n", "dlg07_left=70\r\ndlg07_top=80\r\n",
                             "dlg12_left=120\r\ndlg12_top=130\r\n"})
        EXPECT_NE(file.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace quivra::testing
