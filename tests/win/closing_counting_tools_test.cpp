// The launcher's close asks each counting tool, in position order.
#include <filesystem>

#include "base/win/text.h"
#include "res/dialogs/stopwatch.h"
#include "res/dialogs/timer.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

namespace fs = std::filesystem;

// The timer and the stopwatch, both counting, and a tool that does not count.
class ClosingCountingToolsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        write_bytes(bell, "RIFF");
        timer = open(IDC_OPEN_TIMER);
        click(timer, IDC_MINUTES_LATER);
        SetDlgItemInt(timer, IDC_MINUTES, 1, FALSE);
        set_item_text(timer, IDC_ALARM_FILE, narrow(bell.wstring()));
        click(timer, IDC_TIMER_START);
        stopwatch = open(IDC_OPEN_STOPWATCH);
        click(stopwatch, IDC_STOPWATCH_BUTTON);
        length = open(IDC_OPEN_LENGTH);
    }
    void TearDown() override {
        WindowTest::TearDown();
        fs::remove(bell);
    }

    fs::path bell = fs::temp_directory_path() / L"quivra closing bell.wav";
    HWND timer = nullptr, stopwatch = nullptr, length = nullptr;
};

const std::string timer_question = "タイマーは作動中です。終了してよろしいですか？";
const std::string stopwatch_question = "ストップウォッチは作動中です。終了してよろしいですか？";

TEST_F(ClosingCountingToolsTest, AnyNoCancelsTheCloseAndAYesStopsItsToolForGood) {
    fake.answers = {false};
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_EQ(fake.shown, std::vector<std::string>{timer_question}) << "the first No ends the asking";
    fake.now_ms += 1'500;
    SendMessageW(stopwatch, WM_TIMER, IDT_STOPWATCH, 0);
    SendMessageW(timer, WM_TIMER, IDT_COUNTDOWN, 0);
    EXPECT_EQ(text_of(stopwatch, IDC_STOPWATCH_ELAPSED), "1.5秒");
    EXPECT_EQ(text_of(timer, IDC_TIMER_STATUS), "タイマー作動中....あと 59秒後です。");

    fake.shown.clear();
    fake.answers = {true, false};
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_EQ(fake.shown, (std::vector<std::string>{timer_question, stopwatch_question}));
    for (HWND window : {launcher_window, timer, stopwatch, length}) EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(fs::exists(settings_file()));
    fake.now_ms += 60'000;
    SendMessageW(timer, WM_TIMER, IDT_COUNTDOWN, 0);
    EXPECT_TRUE(fake.sounds.empty()) << "its Yes stopped the timer at once";

    fake.shown.clear();
    fake.answers = {true};
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_EQ(fake.shown, std::vector<std::string>{stopwatch_question}) << "each asked once";
    for (HWND window : {launcher_window, timer, stopwatch, length}) EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(fs::exists(settings_file()));
}

}  // namespace
}  // namespace quivra::testing
