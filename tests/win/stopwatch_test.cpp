#include <windows.h>

#include "base/win/text.h"
#include "res/dialogs/stopwatch.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

using StopwatchTest = WindowTest;

std::string reading(HWND tool) { return text_of(tool, IDC_STOPWATCH_ELAPSED); }

TEST_F(StopwatchTest, StartsFromZeroShowsItsStartAndStopsOnTheExactReading) {
    HWND tool = open(IDC_OPEN_STOPWATCH);
    EXPECT_EQ(reading(tool), "");
    fake.local.wHour = 9, fake.local.wMinute = 5, fake.local.wSecond = 3;
    click(tool, IDC_STOPWATCH_BUTTON);
    EXPECT_EQ(text_of(tool, IDC_STOPWATCH_LABEL), "開始時刻");
    EXPECT_EQ(text_of(tool, IDC_STOPWATCH_START_TIME), "9時5分3秒");
    EXPECT_EQ(reading(tool), "0");
    fake.now_ms += 59'900;
    SendMessageW(tool, WM_TIMER, IDT_STOPWATCH, 0);
    EXPECT_EQ(reading(tool), "59.9秒") << "one redraw for many lost";
    fake.now_ms += 150;
    click(tool, IDC_STOPWATCH_BUTTON);
    EXPECT_EQ(reading(tool), "1分 0.0秒") << "the stop shows its own moment";
    fake.now_ms += 5'000;
    SendMessageW(tool, WM_TIMER, IDT_STOPWATCH, 0);
    EXPECT_EQ(reading(tool), "1分 0.0秒");
    choose_menu(tool, IDM_EXIT);
    EXPECT_FALSE(IsWindow(tool));
    EXPECT_TRUE(fake.shown.empty()) << "nothing to ask once stopped";
}

// Real time on a thread too busy to take the display's ticks: they merge,
// and a stopwatch that counted them would read short.
TEST_F(StopwatchTest, ReadingStaysTrueWhileTheThreadIsBusy) {
    HWND tool = open(IDC_OPEN_STOPWATCH);
    fake.now_ms = GetTickCount64();
    const std::uint64_t started = fake.now_ms;
    click(tool, IDC_STOPWATCH_BUTTON);
    for (int stretch = 0; stretch < 3; ++stretch) {
        for (const ULONGLONG until = GetTickCount64() + 500; GetTickCount64() < until;) {
        }
        fake.now_ms = GetTickCount64();
        pump();
    }
    click(tool, IDC_STOPWATCH_BUTTON);
    std::uint64_t tenths = (fake.now_ms - started) / 100;
    char expected[32];
    std::snprintf(expected, sizeof expected, "%llu.%llu秒", tenths / 10, tenths % 10);
    EXPECT_GE(tenths, 15u);
    EXPECT_EQ(reading(tool), expected);
}

}  // namespace
}  // namespace quivra::testing
