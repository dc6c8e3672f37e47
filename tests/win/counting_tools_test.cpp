// The tools that count time (timer, stopwatch, game): the clock that drives them, their sounds and closing questions.
#include <algorithm>
#include <filesystem>
#include <tuple>

#include "app/tool_table.h"
#include "base/win/frame.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/game.h"
#include "res/dialogs/stopwatch.h"
#include "res/dialogs/timer.h"
#include "res/launcher_ids.h"
#include "tests/win/windows_harness.h"
#include "tools/system/game.h"

namespace quivra::testing {
namespace {

using Texts = std::vector<std::string>;
const std::string timer_question = "タイマーは作動中です。終了してよろしいですか？";
const std::string stopwatch_question = "ストップウォッチは作動中です。終了してよろしいですか？";

// A sound that exists: the build puts it beside the program.
std::filesystem::path bell() { return built_program().parent_path() / L"ok.wav"; }

bool enabled(HWND tool, int id) { return IsWindowEnabled(GetDlgItem(tool, id)); }

const std::string timer_caption = "Quivra　私、待つわ　タイマー";

// Captions set on any window, for a taskbar that must not redraw on every tick.
int captions_set = 0;
LRESULT CALLBACK count_captions(int code, WPARAM wparam, LPARAM lparam) {
    auto* call = reinterpret_cast<CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && call->message == WM_SETTEXT && !GetParent(call->hwnd)) ++captions_set;
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

class CountingToolsTest : public WindowTest {
protected:
    // Moves the fake clock on and delivers one tick of a window timer.
    void tick(HWND window, UINT_PTR timer, std::uint64_t ms) {
        fake.now_ms += ms;
        SendMessageW(window, WM_TIMER, timer, 0);
    }
    // The timer started to ring a minute later at the bell, showing `message`.
    HWND start_a_minute(std::string_view message) {
        HWND tool = open(IDC_OPEN_TIMER);
        click(tool, IDC_MINUTES_LATER);
        SetDlgItemInt(tool, IDC_MINUTES, 1, FALSE);
        set_item_text(tool, IDC_ALARM_FILE, narrow(bell().wstring()));
        click(tool, IDC_SHOW_MESSAGE);
        set_item_text(tool, IDC_MESSAGE, message);
        click(tool, IDC_TIMER_START);
        return tool;
    }
    // Starts the timer at `minutes`, ringing with the system's sound and `message`.
    void start_minutes(HWND tool, int minutes, std::string_view message) {
        click(tool, IDC_MINUTES_LATER);
        SetDlgItemInt(tool, IDC_MINUTES, UINT(minutes), FALSE);
        if (!checked(tool, IDC_SHOW_MESSAGE)) click(tool, IDC_SHOW_MESSAGE);
        set_item_text(tool, IDC_MESSAGE, message);
        click(tool, IDC_TIMER_START);
    }
    // The row of a drop-down list chosen as the user would, with the notice it sends.
    void choose(HWND tool, int id, int row) {
        SendDlgItemMessageW(tool, id, CB_SETCURSEL, WPARAM(row), 0);
        SendMessageW(tool, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(GetDlgItem(tool, id)));
    }
    std::string countdown_after(HWND tool, std::uint64_t ms) {
        tick(tool, IDT_COUNTDOWN, ms);
        return text_of(tool, IDC_TIMER_STATUS);
    }
    // The button that carries `number` (0 for "１") in a game started now.
    int button_of(int number) const {
        Board board = shuffled_board(std::uint32_t(fake.epoch_seconds));
        return IDC_GAME_FIRST_CELL + int(std::find(board.begin(), board.end(), number) - board.begin());
    }
};

TEST_F(CountingToolsTest, TimerOpensFromTheKeptValuesAndEnablesOnlyTheChosenMode) {
    launcher();
    kept().timer.alarm_path = "C:\\bell.wav";
    kept().timer.message_shown = 1;
    HWND tool = open(IDC_OPEN_TIMER);
    EXPECT_EQ(text_of(tool, IDC_ALARM_FILE), "C:\\bell.wav");
    EXPECT_TRUE(enabled(tool, IDC_MESSAGE));
    EXPECT_EQ(text_of(tool, IDC_RING_TIME), "12:00:00") << "the fake's clock, with seconds";
    for (int radio : {IDC_HOURS_LATER, IDC_MINUTES_LATER, IDC_AT_TIME}) {
        click(tool, radio);
        EXPECT_EQ(std::tuple(enabled(tool, IDC_AT_TIME_LABEL), enabled(tool, IDC_HOURS_UPDOWN),
                             enabled(tool, IDC_MINUTES)),
                  std::tuple(radio == IDC_AT_TIME, radio == IDC_HOURS_LATER, radio == IDC_MINUTES_LATER));
    }
    click(tool, IDC_SHOW_MESSAGE);
    EXPECT_FALSE(enabled(tool, IDC_MESSAGE));
}

TEST_F(CountingToolsTest, TimerRefusalsKeepTheTypedAlarmPathButNothingElse) {
    HWND tool = open(IDC_OPEN_TIMER);
    SYSTEMTIME ring_at = fake.local;
    ring_at.wSecond = 9;
    set_picker(tool, IDC_RING_TIME, ring_at);
    std::string long_path = "C:\\";
    for (int i = 0; i < 62; ++i) long_path += "鐘";
    set_item_text(tool, IDC_ALARM_FILE, long_path + "a");
    EXPECT_EQ(text_of(tool, IDC_ALARM_FILE), "") << "128 bytes, refused whole";
    EXPECT_NE(text_of(tool, IDC_TIMER_STATUS), "");
    set_item_text(tool, IDC_ALARM_FILE, long_path);
    EXPECT_EQ(text_of(tool, IDC_TIMER_STATUS), "");
    click(tool, IDC_TIMER_START);
    EXPECT_EQ(kept().timer.alarm_path, "") << "too soon: nothing kept";

    ring_at.wSecond = 10;
    set_picker(tool, IDC_RING_TIME, ring_at);
    click(tool, IDC_TIMER_START);
    EXPECT_EQ(kept().timer.alarm_path, long_path);
    const std::string wildcard = narrow((bell().parent_path() / L"*.wav").wstring());
    for (const std::string& cannot_sound : {narrow(bell().parent_path().wstring()), wildcard}) {
        set_item_text(tool, IDC_ALARM_FILE, cannot_sound);
        click(tool, IDC_TIMER_START);
    }
    Texts boxes(4, "指定されたアラームファイルは存在しません。");
    boxes[0] = "最低１０秒以上の時刻でタイマーをセットして下さい。";
    EXPECT_EQ(fake.shown, boxes);
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_TRUE(saved("\r\nalarm=" + wildcard + "\r\ntmsg_sw=0\r\ntmsg=\r\n"));
}

TEST_F(CountingToolsTest, TimerMessageHoldsOnlyWhatCanBeKeptWhetherTypedOrPasted) {
    HWND tool = start_a_minute("");
    click(tool, IDC_TIMER_CANCEL);
    HWND message = GetDlgItem(tool, IDC_MESSAGE);
    auto type = [&](std::wstring_view keys) { for (wchar_t key : keys) SendMessageW(message, WM_CHAR, key, 0); };
    type(std::wstring(200, L'お'));
    const std::string full = text_of(tool, IDC_MESSAGE);
    EXPECT_EQ(full.size(), 254u) << "the 128th お would need bytes 255 and 256";
    EXPECT_NE(text_of(tool, IDC_TIMER_STATUS), "") << "the refusal says why";

    SendMessageW(message, EM_SETSEL, 0, 0);
    type(L"xy");
    EXPECT_EQ(text_of(tool, IDC_MESSAGE), "x" + full) << "the last byte takes x, not y";
    ASSERT_TRUE(OpenClipboard(tool));
    EmptyClipboard();
    const wchar_t emoji[] = L"\U0001F600";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof emoji);
    std::copy_n(emoji, std::size(emoji), static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SetWindowTextW(message, L"");
    SendMessageW(message, WM_PASTE, 0, 0);
    EXPECT_EQ(text_of(tool, IDC_MESSAGE), "");
    type(L"a\U0001F600");
    EXPECT_EQ(text_of(tool, IDC_MESSAGE), "a") << "typed, a character Shift-JIS lacks is refused too";

    click(tool, IDC_TIMER_START);
    EXPECT_EQ(kept().timer.message, "a");
}

TEST_F(CountingToolsTest, TimerCountsDownFromTheClockAndRingsOnceWhenTheTimeIsUp) {
    HWND tool = start_a_minute("時間です");
    EXPECT_FALSE(enabled(tool, IDC_TIMER_START));
    EXPECT_EQ(window_text(tool), timer_caption + "　残り1分0秒");
    EXPECT_EQ(countdown_after(tool, 1'000), "タイマー作動中....あと 59秒後です。");
    EXPECT_EQ(window_text(tool), timer_caption + "　残り59秒");
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, count_captions, nullptr, GetCurrentThreadId());
    captions_set = 0;
    countdown_after(tool, 400);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(captions_set, 0) << "a tick within the same second";
    fake.answers = {false};
    choose_menu(tool, IDM_EXIT);
    EXPECT_EQ(fake.shown, Texts{timer_question});
    EXPECT_EQ(countdown_after(tool, 44'100), "タイマー作動中....あと 15秒後です。") << "one tick for the many lost";
    EXPECT_EQ(countdown_after(tool, 14'499), "タイマー作動中....あと 1秒後です。");
    EXPECT_TRUE(fake.sounds.empty() && fake.flashes.empty());

    fake.while_box_is_up = [&] {
        EXPECT_EQ(fake.sounds.size(), 1u) << "the sound starts first";
        EXPECT_EQ(fake.flashes, (std::vector{std::pair(tool, true)}));
        EXPECT_EQ(window_text(tool), timer_caption);
    };
    countdown_after(tool, 1);
    EXPECT_EQ(fake.in_front, Texts{"時間です"});
    EXPECT_EQ(fake.flashes.back(), std::pair(tool, false)) << "until the box is answered";
    EXPECT_EQ(fake.sounds, std::vector<std::wstring>{bell().wstring()});
    EXPECT_EQ(std::pair(enabled(tool, IDC_TIMER_START), enabled(tool, IDC_HOURS)), std::pair(true, false))
        << "start is back, and so is the enabling rule";
    countdown_after(tool, 1'000);
    EXPECT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(kept().timer.message, "時間です");
}

TEST_F(CountingToolsTest, TimerCancelStopsBeforeItsBoxSoTheLauncherThenAsksNothing) {
    HWND tool = start_a_minute("");
    fake.while_box_is_up = [&] { EXPECT_EQ(SendMessageW(tool, WM_LAUNCHER_CLOSING, 0, 0), 0); };
    click(tool, IDC_TIMER_CANCEL);
    EXPECT_EQ(fake.shown, Texts{"タイマーはキャンセルされました。"});
    EXPECT_TRUE(fake.in_front.empty()) << "the user is there: it asked for the cancel";
    EXPECT_FALSE(enabled(tool, IDC_TIMER_CANCEL));
    countdown_after(tool, 60'000);
    EXPECT_TRUE(fake.sounds.empty());
    EXPECT_EQ(window_text(tool), timer_caption);
}

TEST_F(CountingToolsTest, TimeUpShowsNoKeptMessageWhenTheUserAskedForNone) {
    launcher();
    kept().timer.message = "会議！";
    HWND tool = open(IDC_OPEN_TIMER);
    click(tool, IDC_MINUTES_LATER);
    set_item_text(tool, IDC_ALARM_FILE, narrow(bell().wstring()));
    click(tool, IDC_TIMER_START);
    countdown_after(tool, 180'000);
    EXPECT_EQ(fake.in_front, Texts{"時間になりました。"});
    EXPECT_EQ(kept().timer.message, "会議！") << "kept for when it is asked for again";
}

// What the dialog manager defines in the WM_USER range, and the range
// itself, from another program or a screen reader.
constexpr UINT strangers_messages[] = {DM_SETDEFID, DM_REPOSITION, WM_USER + 1, WM_USER + 2, WM_BEGIN_COUNTING};

TEST_F(CountingToolsTest, MessagesOfOtherSendersLeaveARunningTimerAndStopwatchAsTheyWere) {
    HWND timer = start_a_minute("");
    HWND stopwatch = open(IDC_OPEN_STOPWATCH);
    fake.local.wHour = 9;
    click(stopwatch, IDC_STOPWATCH_BUTTON);
    fake.local.wHour = 10;
    fake.now_ms += 2'000;
    for (UINT message : strangers_messages)
        for (HWND tool : {timer, stopwatch}) SendMessageW(tool, message, 0, 0);
    pump();
    EXPECT_EQ(text_of(stopwatch, IDC_STOPWATCH_START_TIME), "9時0分0秒");
    tick(stopwatch, IDT_STOPWATCH, 1'000);
    EXPECT_EQ(text_of(stopwatch, IDC_STOPWATCH_ELAPSED), "3.0秒");
    EXPECT_EQ(countdown_after(timer, 0), "タイマー作動中....あと 57秒後です。");
    EXPECT_TRUE(fake.shown.empty()) << "nothing asked";
    fake.answers = {true, true};
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_EQ(fake.shown, (Texts{timer_question, stopwatch_question})) << "both still counting";
}

TEST_F(CountingToolsTest, TimerBrowseFillsThePathAndRefusesOneThatWouldChange) {
    HWND tool = open(IDC_OPEN_TIMER);
    fake.chosen_file = L"C:\\音\\ベル.wav";
    click(tool, IDC_BROWSE);
    EXPECT_EQ(fake.file_extensions, std::vector<std::wstring>{L"wav"}) << "a name typed bare gets .wav";
    EXPECT_EQ(kept().timer.alarm_path, "") << "kept only at a test play or a start";
    click(tool, IDC_TRY_SOUND);
    EXPECT_EQ(fake.sounds, std::vector<std::wstring>{L"C:\\音\\ベル.wav"});
    for (const std::wstring& changed : {std::wstring(L"C:\\M\u00fcller\\bell.wav"),
                                        L"C:\\" + std::wstring(121, L'a') + L".wav"}) {
        fake.chosen_file = changed;
        click(tool, IDC_BROWSE);
    }
    ASSERT_EQ(fake.shown.size(), 2u);
    EXPECT_NE(fake.shown[0], fake.shown[1]);
    EXPECT_EQ(text_of(tool, IDC_ALARM_FILE), "C:\\音\\ベル.wav");
}

TEST_F(CountingToolsTest, StopwatchShowsItsStartAndStopsOnTheExactReading) {
    HWND tool = open(IDC_OPEN_STOPWATCH);
    fake.local.wHour = 9, fake.local.wMinute = 5, fake.local.wSecond = 3;
    click(tool, IDC_STOPWATCH_BUTTON);
    EXPECT_EQ(text_of(tool, IDC_STOPWATCH_START_TIME), "9時5分3秒");
    tick(tool, IDT_STOPWATCH, 59'900);
    EXPECT_EQ(text_of(tool, IDC_STOPWATCH_ELAPSED), "59.9秒") << "one redraw for many lost";
    fake.now_ms += 150;
    click(tool, IDC_STOPWATCH_BUTTON);
    tick(tool, IDT_STOPWATCH, 5'000);
    EXPECT_EQ(text_of(tool, IDC_STOPWATCH_ELAPSED), "1分 0.0秒") << "the stop shows its own moment";
    choose_menu(tool, IDM_EXIT);
    EXPECT_FALSE(IsWindow(tool)) << "nothing to ask once stopped";
}

TEST_F(CountingToolsTest, AStopwatchClosedWhileRunningReopensIdle) {
    HWND tool = open(IDC_OPEN_STOPWATCH);
    click(tool, IDC_STOPWATCH_BUTTON);
    click(tool, IDC_STOPWATCH_LAP);
    fake.answers = {true};
    tool = reopen(tool, IDC_OPEN_STOPWATCH);
    EXPECT_EQ(std::tuple(text_of(tool, IDC_STOPWATCH_START_TIME), list_lines(tool, IDC_STOPWATCH_LAPS).size(),
                         enabled(tool, IDC_STOPWATCH_LAP)),
              std::tuple(std::string(), std::size_t(0), false));
    choose_menu(tool, IDM_EXIT);
    EXPECT_FALSE(IsWindow(tool)) << "nothing counting, nothing to ask";
}

// A key pressed and let go in whatever control has the focus.
void press_key(WPARAM key) {
    LPARAM scan = LPARAM(MapVirtualKeyW(UINT(key), MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(GetFocus(), WM_KEYDOWN, key, scan | 1);
    pump();
    PostMessageW(GetFocus(), WM_KEYUP, key, scan | 1 | LPARAM(3) << 30);
    pump();
}

TEST_F(CountingToolsTest, StopwatchLapsNewestFirstByButtonAndKeyWhileRunningOnly) {
    HWND tool = open(IDC_OPEN_STOPWATCH);
    EXPECT_FALSE(enabled(tool, IDC_STOPWATCH_LAP)) << "idle";
    click(tool, IDC_STOPWATCH_BUTTON);
    ASSERT_TRUE(enabled(tool, IDC_STOPWATCH_LAP));
    fake.now_ms += 1'200;
    click(tool, IDC_STOPWATCH_LAP);
    fake.now_ms += 2'300;
    SetFocus(GetDlgItem(tool, IDC_STOPWATCH_LAPS));
    press_key('L');
    EXPECT_EQ(list_lines(tool, IDC_STOPWATCH_LAPS),
              (Texts{"  2\t2.3秒\t3.5秒", "  1\t1.2秒\t1.2秒"}));

    // Space on the focused lap button works the start/stop button, not the lap.
    SetFocus(GetDlgItem(tool, IDC_STOPWATCH_LAP));
    fake.now_ms += 500;
    press_key(VK_SPACE);
    EXPECT_EQ(text_of(tool, IDC_STOPWATCH_ELAPSED), "4.0秒");
    EXPECT_EQ(list_lines(tool, IDC_STOPWATCH_LAPS).size(), 2u) << "laps stay after the stop";
    EXPECT_FALSE(enabled(tool, IDC_STOPWATCH_LAP));
    press_key('L');
    EXPECT_EQ(list_lines(tool, IDC_STOPWATCH_LAPS).size(), 2u) << "no lap while stopped";

    press_key(VK_SPACE);
    EXPECT_TRUE(list_lines(tool, IDC_STOPWATCH_LAPS).empty()) << "a new start clears the laps";
    fake.answers = {true};
    choose_menu(tool, IDM_EXIT);
    EXPECT_EQ(fake.shown, Texts{stopwatch_question}) << "started again by Space, so it asks";
}

TEST_F(CountingToolsTest, LaunchersCloseAsksEachInPositionOrderAndAnyNoCancelsIt) {
    HWND timer = start_a_minute("");
    HWND stopwatch = open(IDC_OPEN_STOPWATCH);
    click(stopwatch, IDC_STOPWATCH_BUTTON);
    HWND length = open(IDC_OPEN_LENGTH);
    fake.answers = {false};
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_EQ(fake.shown, Texts{timer_question}) << "the first No ends the asking";
    tick(stopwatch, IDT_STOPWATCH, 1'500);
    EXPECT_EQ(text_of(stopwatch, IDC_STOPWATCH_ELAPSED), "1.5秒");
    EXPECT_EQ(countdown_after(timer, 0), "タイマー作動中....あと 59秒後です。");

    fake.shown.clear();
    fake.answers = {true, false};
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_EQ(fake.shown, (Texts{timer_question, stopwatch_question}));
    for (HWND window : {launcher_window, timer, stopwatch, length}) EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(std::filesystem::exists(settings_file()));
    countdown_after(timer, 60'000);
    EXPECT_TRUE(fake.sounds.empty()) << "its Yes stopped the timer at once";

    fake.shown.clear();
    fake.answers = {true};
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_EQ(fake.shown, Texts{stopwatch_question}) << "each asked once";
    for (HWND window : {launcher_window, timer, stopwatch, length}) EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(std::filesystem::exists(settings_file()));
}

TEST_F(CountingToolsTest, AWholeGameFromAnotherCurrentDirectory) {
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    HWND game = open(IDC_OPEN_GAME);
    click(game, IDC_GAME_START);
    EXPECT_EQ(text_of(game, button_of(24)), "２５");
    click(game, button_of(1));
    for (int number = 0; number < game_cells - 1; ++number) click(game, button_of(number));
    tick(game, IDT_GAME_DISPLAY, 24'000);
    EXPECT_EQ(text_of(game, IDC_GAME_TIME), "24.0秒");
    fake.now_ms += 950;
    click(game, button_of(24));
    std::filesystem::current_path(previous);

    EXPECT_EQ(text_of(game, IDC_GAME_TIME) + text_of(game, IDC_GAME_RATING) + text_of(game, IDC_GAME_START),
              "24.9秒" + rating(249) + "スタート");
    EXPECT_FALSE(KillTimer(game, IDT_GAME_DISPLAY)) << "a finished game left its timer running";
    std::vector<std::wstring> sounds(game_cells + 1, program_directory() + L"ok.wav");
    sounds[0] = program_directory() + L"error.wav";
    EXPECT_EQ(fake.sounds, sounds) << "one wrong press, then each number";
}

TEST_F(CountingToolsTest, GameTimeOverStopsTheTimerAndAWindowClosedMidGameReopensIdle) {
    HWND game = open(IDC_OPEN_GAME);
    click(game, IDC_GAME_START);
    tick(game, IDT_GAME_DISPLAY, 1'860'000);
    EXPECT_EQ(text_of(game, IDC_GAME_TIME), "タイムオーバー");
    EXPECT_FALSE(KillTimer(game, IDT_GAME_DISPLAY));
    EXPECT_EQ(text_of(reopen(game, IDC_OPEN_GAME), IDC_GAME_START), "スタート") << "reopened idle";
}

TEST_F(CountingToolsTest, SeveralTimersCountApartAndEachRingsWithItsOwnNumber) {
    HWND first = open(IDC_OPEN_TIMER);
    choose_menu(first, IDM_NEW_TIMER);
    HWND second = window_titled(timer_caption + " (2)");
    ASSERT_NE(second, nullptr);
    choose_menu(second, IDM_NEW_TIMER);
    HWND third = window_titled(timer_caption + " (3)");
    ASSERT_NE(third, nullptr);
    RECT a{}, b{};
    GetWindowRect(second, &a);
    GetWindowRect(third, &b);
    EXPECT_EQ(std::pair(b.left - a.left, b.top - a.top), std::pair(24L, 24L)) << "beside the newest";
    start_minutes(first, 1, "一");
    start_minutes(second, 2, "会議室へ");
    start_minutes(third, 3, "三");
    click(second, IDC_TIMER_CANCEL);
    fake.shown.clear();
    fake.now_ms += 60'000;
    for (HWND timer : {first, second, third}) SendMessageW(timer, WM_TIMER, IDT_COUNTDOWN, 0);
    EXPECT_EQ(fake.in_front, Texts{"一"}) << "the first window's words as they were";
    EXPECT_EQ(window_text(third), timer_caption + " (3)　残り2分0秒");
    EXPECT_EQ(window_text(second), timer_caption + " (2)") << "cancelled";
    start_minutes(second, 1, "会議室へ");
    fake.now_ms += 60'000;
    for (HWND timer : {second, third}) SendMessageW(timer, WM_TIMER, IDT_COUNTDOWN, 0);
    EXPECT_EQ(fake.in_front, (Texts{"一", "(2)：会議室へ"}));
    EXPECT_EQ(fake.sounds.back(), L"") << "no sound file: the system's sound";
    EXPECT_EQ(tool_window(*tool_for_command(IDC_OPEN_TIMER)), open(IDC_OPEN_TIMER)) << "the button brings one to the front";
}

TEST_F(CountingToolsTest, ClosingWithSeveralTimersRunningAsksOnceWithTheirCount) {
    HWND first = open(IDC_OPEN_TIMER);
    choose_menu(first, IDM_NEW_TIMER);
    HWND second = window_titled(timer_caption + " (2)");
    start_minutes(first, 5, "");
    start_minutes(second, 7, "");
    fake.answers = {false};
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_EQ(fake.shown, Texts{"動いているタイマーが 2 個あります。終了しますか？"});
    EXPECT_TRUE(IsWindow(launcher_window) && IsWindow(first) && IsWindow(second));
    EXPECT_EQ(countdown_after(second, 1'000), "タイマー作動中....あと 6分 59秒後です。") << "still counting";
    fake.answers = {true};
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_EQ(fake.shown.size(), 2u) << "no question per window";
    EXPECT_FALSE(IsWindow(launcher_window));
}

TEST_F(CountingToolsTest, PresetsFillTheFormAreRegisteredByNameAndRemovedAndSurviveARestart) {
    HWND tool = open(IDC_OPEN_TIMER);
    EXPECT_EQ(drop_down_rows(tool, IDC_TIMER_PRESET), (Texts{"カップめん", "休憩", "会議"})) << "a new user";
    choose(tool, IDC_TIMER_PRESET, 0);
    EXPECT_EQ(std::pair(checked(tool, IDC_MINUTES_LATER), text_of(tool, IDC_MINUTES)), std::pair(true, std::string("3")));
    EXPECT_EQ(text_of(tool, IDC_TIMER_STATUS), "") << "chosen, not started";
    click(tool, IDC_TIMER_START);
    fake.now_ms += 180'000;
    SendMessageW(tool, WM_TIMER, IDT_COUNTDOWN, 0);
    EXPECT_EQ(fake.in_front, Texts{"カップめん：時間になりました。"});

    fake.names = {"", "テスト", "テスト"};
    click(tool, IDC_PRESET_REGISTER);
    EXPECT_EQ(fake.shown.back(), "名前を入れて下さい。");
    click(tool, IDC_HOURS_LATER);
    click(tool, IDC_PRESET_REGISTER);
    SetDlgItemInt(tool, IDC_HOURS, 2, FALSE);
    click(tool, IDC_PRESET_REGISTER);
    EXPECT_EQ(drop_down_rows(tool, IDC_TIMER_PRESET).size(), 4u) << "the same name replaces";
    restart();
    tool = open(IDC_OPEN_TIMER);
    choose(tool, IDC_TIMER_PRESET, 3);
    EXPECT_EQ(std::pair(checked(tool, IDC_HOURS_LATER), text_of(tool, IDC_HOURS)), std::pair(true, std::string("2")));
    fake.answers = {true};
    click(tool, IDC_PRESET_REMOVE);
    EXPECT_EQ(fake.shown.back(), "「テスト」を削除しますか？");
    EXPECT_EQ(drop_down_rows(tool, IDC_TIMER_PRESET), (Texts{"カップめん", "休憩", "会議"}));
}

}  // namespace
}  // namespace quivra::testing
