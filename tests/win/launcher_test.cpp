#include <string>
#include <vector>

#include "app/running_flags.h"
#include "app/text.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using LauncherTest = WindowTest;

struct Cell {
    int id;
    const char* caption;
};
const std::vector<Cell> cells = {
    {81, "それ何日？"},  {82, "時間の電卓"},    {83, "私、待つわ"},   {84, "時よ止まれ！"},
    {85, "それ何時？"},  {86, "海の向こう"},    {95, "パソコンの中"}, {96, "頭の中"},
    {87, "長い短い？"},  {88, "重い軽い？"},    {89, "広い狭い？"},   {90, "大きい小さい"},
    {91, "熱い冷たい？"}, {92, "速い遅い？"},   {93, "消費税？"},     {94, "外国為替？"}};

std::string menu_text(HMENU menu, int position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, UINT(position), text, 64, MF_BYPOSITION);
    return narrow(text);
}

TEST_F(LauncherTest, OpensCentredWithSixteenPictureButtonsInTemplateOrder) {
    HWND l = launcher();
    EXPECT_EQ(window_text(l), "Quivra v1.23");

    HWND control = GetWindow(l, GW_CHILD);
    for (const Cell& cell : cells) {
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetDlgCtrlID(control), cell.id);
        EXPECT_NE(SendMessageW(control, BM_GETIMAGE, IMAGE_ICON, 0), 0) << "icon on " << cell.id;
        EXPECT_TRUE(GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP);
        control = GetWindow(control, GW_HWNDNEXT);
        EXPECT_EQ(window_text(control), cell.caption);
        control = GetWindow(control, GW_HWNDNEXT);
    }

    HMENU menu = GetMenu(l);
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(GetMenuItemID(menu, 0), 69u);
    EXPECT_EQ(menu_text(menu, 0), "バージョン情報(&A)");
    EXPECT_EQ(GetMenuItemID(menu, 1), 60u);
    EXPECT_EQ(menu_text(menu, 1), "終了(&X)");

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
    choose_menu(l, 60);
    EXPECT_FALSE(IsWindow(l));
    std::string file = read_bytes(settings_file());
    EXPECT_EQ(file.rfind("dlg00_left=33\r\ndlg00_top=44\r\ndlg01_left=0\r\n", 0), 0u);
    EXPECT_NE(file.find("\r\nrate15=1453\r\nPASSCODE=0000000000\r\n"), std::string::npos);
}

TEST_F(LauncherTest, HelpShowsItsMessageAndEscapeDoesNothing) {
    HWND l = launcher();
    choose_menu(l, 61);
    ASSERT_EQ(fake.shown.size(), 1u);
    EXPECT_EQ(fake.shown[0],
              "ごめんなさい！　ヘルプファイルは作ってません。(^^;;;\n"
              "何か疑問などありましたらメール下さいませ。");
    choose_menu(l, IDCANCEL);
    SendMessageW(l, WM_COMMAND, MAKEWPARAM(60, 1), 0);  // not a click: ignored
    pump();
    EXPECT_TRUE(IsWindow(l));
    EXPECT_EQ(fake.shown.size(), 1u);
}

TEST_F(LauncherTest, ARunningTimerOrStopwatchIsStoppedOnlyWithConsent) {
    HWND l = launcher();
    running_flags.timer = running_flags.stopwatch = true;
    fake.answers = {true, false};
    choose_menu(l, 60);
    EXPECT_TRUE(IsWindow(l)) << "No to the stopwatch cancels the whole close";
    ASSERT_EQ(fake.shown.size(), 2u);
    EXPECT_EQ(fake.shown[0], "タイマーは作動中です。終了してよろしいですか？");
    EXPECT_EQ(fake.shown[1], "ストップウォッチは作動中です。終了してよろしいですか？");
    EXPECT_FALSE(std::filesystem::exists(settings_file()));

    running_flags.timer = false;
    fake.answers = {true};
    choose_menu(l, 60);
    EXPECT_FALSE(IsWindow(l));
    EXPECT_TRUE(std::filesystem::exists(settings_file()));
}

// The About box is modal: what the user does in it happens from a timer
// that fires inside its loop.
struct AboutVisit {
    HWND launcher = nullptr;
    HWND box = nullptr;
    std::vector<std::string> texts;
    bool open_after_escape = false;
};
AboutVisit visit;

void CALLBACK look_at_about_box(HWND, UINT, UINT_PTR timer, DWORD) {
    visit.box = FindWindowW(nullptr, L"Quivra");
    if (!visit.box) return;  // not open yet: look again at the next tick
    KillTimer(nullptr, timer);
    EXPECT_EQ(GetWindow(visit.box, GW_OWNER), visit.launcher);
    EXPECT_FALSE(IsWindowEnabled(visit.launcher));
    for (HWND c = GetWindow(visit.box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        visit.texts.push_back(window_text(c));
    SendMessageW(visit.box, WM_COMMAND, IDCANCEL, 0);
    visit.open_after_escape = IsWindowVisible(visit.box);
    SendMessageW(GetDlgItem(visit.box, 71), BM_CLICK, 0, 0);
}

TEST_F(LauncherTest, AboutBoxShowsItsTextsAndClosesOnlyWithOk) {
    visit = AboutVisit{};
    visit.launcher = launcher();
    SetTimer(nullptr, 0, 50, look_at_about_box);
    choose_menu(visit.launcher, 69);
    ASSERT_NE(visit.box, nullptr);
    EXPECT_FALSE(IsWindow(visit.box));
    EXPECT_TRUE(visit.open_after_escape);
    ASSERT_GE(visit.texts.size(), 11u);
    EXPECT_EQ(visit.texts[2], "Quivra");
    EXPECT_EQ(visit.texts[3], "Version 1.23");
    EXPECT_EQ(visit.texts[4], "フリーソフトウェア");
    EXPECT_EQ(visit.texts[5], "アイコンなどグラフィック");
    EXPECT_EQ(visit.texts[7], "プログラム");
    EXPECT_EQ(visit.texts[9], "Orvelのホームページへ...");
    EXPECT_EQ(visit.texts[10], "OK");
}

}  // namespace
}  // namespace quivra::testing
