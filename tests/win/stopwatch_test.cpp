#include <windows.h>

#include "base/win/text.h"
#include "res/dialogs/stopwatch.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using StopwatchTest = WindowTest;

void redraw(HWND tool) { SendMessageW(tool, WM_TIMER, IDT_STOPWATCH, 0); }

std::string reading(HWND tool) { return text_of(tool, IDC_STOPWATCH_ELAPSED); }

TEST_F(StopwatchTest, StartsFromZeroShowsItsStartAndStopsOnTheExactReading) {
    HWND tool = open(IDC_OPEN_STOPWATCH);
    EXPECT_EQ(window_text(tool), "Quivra　時よ止まれ！　ストップウォッチ");
    for (int id : {IDC_STOPWATCH_LABEL, IDC_STOPWATCH_START_TIME, IDC_STOPWATCH_ELAPSED})
        EXPECT_EQ(text_of(tool, id), "") << id;
    LOGFONTW font{};
    GetObjectW(HFONT(SendDlgItemMessageW(tool, IDC_STOPWATCH_ELAPSED, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfHeight, 16);

    fake.local.wHour = 9, fake.local.wMinute = 5, fake.local.wSecond = 3;
    click(tool, IDC_STOPWATCH_BUTTON);
    EXPECT_EQ(text_of(tool, IDC_STOPWATCH_LABEL), "開始時刻");
    EXPECT_EQ(text_of(tool, IDC_STOPWATCH_START_TIME), "9時5分3秒");
    EXPECT_EQ(reading(tool), "0");
    fake.now_ms += 100;
    redraw(tool);
    EXPECT_EQ(reading(tool), "0.1秒");
    fake.now_ms += 59'800;
    redraw(tool);
    EXPECT_EQ(reading(tool), "59.9秒") << "one redraw after many lost";
    fake.now_ms += 150;
    click(tool, IDC_STOPWATCH_BUTTON);
    EXPECT_EQ(reading(tool), "1分 0.0秒") << "the stop shows its own moment";
    fake.now_ms += 5'000;
    redraw(tool);
    EXPECT_EQ(reading(tool), "1分 0.0秒");

    fake.local.wHour = 23;
    click(tool, IDC_STOPWATCH_BUTTON);
    EXPECT_EQ(text_of(tool, IDC_STOPWATCH_START_TIME), "23時5分3秒");
    EXPECT_EQ(reading(tool), "0");
    EXPECT_TRUE(fake.shown.empty());
}

TEST_F(StopwatchTest, ClosingWhileRunningAsksOnceAndNoKeepsItRunning) {
    HWND tool = open(IDC_OPEN_STOPWATCH);
    choose_menu(tool, IDM_EXIT);
    EXPECT_FALSE(IsWindow(tool)) << "nothing to ask before the first start";
    EXPECT_TRUE(fake.shown.empty());

    tool = open(IDC_OPEN_STOPWATCH);
    click(tool, IDC_STOPWATCH_BUTTON);
    fake.answers = {false};
    choose_menu(tool, IDM_EXIT);
    ASSERT_TRUE(IsWindow(tool));
    EXPECT_EQ(fake.shown, (std::vector<std::string>{"ストップウォッチは作動中です。終了してよろしいですか？"}));
    fake.now_ms += 2'300;
    redraw(tool);
    EXPECT_EQ(reading(tool), "2.3秒") << "still running";

    fake.answers = {true};
    SendMessageW(tool, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_FALSE(IsWindow(tool));
    EXPECT_EQ(fake.shown.size(), 2u);
}

TEST_F(StopwatchTest, TheStopMessageStopsWithoutAQuestion) {
    HWND tool = open(IDC_OPEN_STOPWATCH);
    click(tool, IDC_STOPWATCH_BUTTON);
    fake.now_ms += 700;
    SendMessageW(tool, WM_STOPWATCH_STOP, 0, 0);
    EXPECT_EQ(reading(tool), "0.7秒");
    choose_menu(tool, IDM_EXIT);
    EXPECT_FALSE(IsWindow(tool));
    EXPECT_TRUE(fake.shown.empty());
}

// Real time on a thread too busy to take the display's ticks: they merge,
// and a stopwatch that counted them would read short.
TEST_F(StopwatchTest, ReadingStaysTrueWhileTheThreadIsBusy) {
    HWND tool = open(IDC_OPEN_STOPWATCH);
    fake.now_ms = GetTickCount64();
    const std::uint64_t started = fake.now_ms;
    click(tool, IDC_STOPWATCH_BUTTON);
    for (int stretch = 0; stretch < 3; ++stretch) {
        const ULONGLONG until = GetTickCount64() + 500;
        while (GetTickCount64() < until) {
        }
        fake.now_ms = GetTickCount64();
        pump();
    }
    fake.now_ms = GetTickCount64();
    click(tool, IDC_STOPWATCH_BUTTON);
    char expected[32];
    std::uint64_t tenths = (fake.now_ms - started) / 100;
    std::snprintf(expected, sizeof expected, "%llu.%llu秒", tenths / 10, tenths % 10);
    EXPECT_GE(tenths, 15u);
    EXPECT_EQ(reading(tool), expected);
}

}  // namespace
}  // namespace quivra::testing
