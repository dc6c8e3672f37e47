// The countdown timer's window: its modes, its refusals, the clock and the alarm.
#include <filesystem>

#include "base/win/frame.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/timer.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

namespace fs = std::filesystem;

constexpr char no_alarm_file[] = "指定されたアラームファイルは存在しません。";
using Texts = std::vector<std::string>;

class TimerTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        fs::create_directories(folder);
        write_bytes(bell, "RIFF");
    }
    void TearDown() override {
        WindowTest::TearDown();
        fs::remove_all(folder);
    }

    // The timer set to ring a minute later at the bell, showing `message`.
    HWND set_a_minute(std::string_view message) {
        HWND tool = open(IDC_OPEN_TIMER);
        click(tool, IDC_MINUTES_LATER);
        SetDlgItemInt(tool, IDC_MINUTES, 1, FALSE);
        set_item_text(tool, IDC_ALARM_FILE, narrow(bell.wstring()));
        click(tool, IDC_SHOW_MESSAGE);
        set_item_text(tool, IDC_MESSAGE, message);
        return tool;
    }
    std::string tick(HWND tool, std::uint64_t ms) {
        fake.now_ms += ms;
        SendMessageW(tool, WM_TIMER, IDT_COUNTDOWN, 0);
        return text_of(tool, IDC_TIMER_STATUS);
    }

    fs::path folder = fs::temp_directory_path() / L"quivra timer";
    fs::path bell = folder / L"bell.wav";
};

bool enabled(HWND tool, int id) { return IsWindowEnabled(GetDlgItem(tool, id)); }

TEST_F(TimerTest, OpensFromTheKeptValuesAndEnablesOnlyTheChosenMode) {
    launcher();
    settings.alarm.to_save = "C:\\bell.wav";
    settings.tmsg_sw.to_save = 1;
    HWND tool = open(IDC_OPEN_TIMER);
    EXPECT_EQ(text_of(tool, IDC_ALARM_FILE), "C:\\bell.wav");
    EXPECT_EQ(IsDlgButtonChecked(tool, IDC_SHOW_MESSAGE), BST_CHECKED);
    EXPECT_EQ(text_of(tool, IDC_RING_TIME), "12:00:00") << "the fake's clock, with seconds";
    EXPECT_TRUE(enabled(tool, IDC_MESSAGE));
    for (int radio : {IDC_HOURS_LATER, IDC_MINUTES_LATER, IDC_AT_TIME}) {
        click(tool, radio);
        EXPECT_EQ(enabled(tool, IDC_AT_TIME_LABEL), radio == IDC_AT_TIME);
        EXPECT_EQ(enabled(tool, IDC_HOURS_UPDOWN), radio == IDC_HOURS_LATER);
        EXPECT_EQ(enabled(tool, IDC_MINUTES), radio == IDC_MINUTES_LATER);
    }
    click(tool, IDC_SHOW_MESSAGE);
    EXPECT_FALSE(enabled(tool, IDC_MESSAGE));
}

TEST_F(TimerTest, RefusalsKeepTheTypedAlarmPathButNothingElse) {
    HWND tool = open(IDC_OPEN_TIMER);
    SYSTEMTIME ring_at = fake.local;
    ring_at.wSecond = 9;
    set_picker(tool, IDC_RING_TIME, ring_at);
    std::string long_path = "C:\\";
    for (int i = 0; i < 62; ++i) long_path += "鐘";
    set_item_text(tool, IDC_ALARM_FILE, long_path + "ab");
    click(tool, IDC_TIMER_START);
    EXPECT_EQ(fake.shown, Texts{"最低１０秒以上の時刻でタイマーをセットして下さい。"});
    EXPECT_EQ(settings.alarm.to_save, "");

    ring_at.wSecond = 10;
    set_picker(tool, IDC_RING_TIME, ring_at);
    click(tool, IDC_TIMER_START);
    EXPECT_EQ(fake.shown.back(), no_alarm_file);
    EXPECT_EQ(settings.alarm.to_save, long_path) << "kept, cut where a character ends";
    for (const fs::path& cannot_sound : {folder, folder / L"*.wav"}) {
        set_item_text(tool, IDC_ALARM_FILE, narrow(cannot_sound.wstring()));
        click(tool, IDC_TIMER_START);
        EXPECT_EQ(fake.shown.back(), no_alarm_file) << cannot_sound;
    }
    EXPECT_EQ(fake.shown.size(), 4u);
    EXPECT_TRUE(enabled(tool, IDC_TIMER_START));
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_NE(read_bytes(settings_file()).find("\r\nalarm=" + narrow((folder / L"*.wav").wstring()) +
                                               "\r\ntmsg_sw=0\r\ntmsg=\r\n"),
              std::string::npos);
}

TEST_F(TimerTest, CountsDownFromTheClockAndRingsOnceWhenTheTimeIsUp) {
    HWND tool = set_a_minute("時間です");
    click(tool, IDC_TIMER_START);
    EXPECT_FALSE(enabled(tool, IDC_TIMER_START));
    EXPECT_TRUE(enabled(tool, IDC_TIMER_CANCEL));
    EXPECT_EQ(text_of(tool, IDC_TIMER_STATUS), "タイマー作動中....");
    EXPECT_EQ(tick(tool, 1'000), "タイマー作動中....あと 59秒後です。");

    fake.answers = {false};
    choose_menu(tool, IDM_EXIT);
    EXPECT_EQ(fake.shown, Texts{"タイマーは作動中です。終了してよろしいですか？"});
    EXPECT_EQ(tick(tool, 44'500), "タイマー作動中....あと 15秒後です。") << "one tick for the many lost";
    EXPECT_EQ(tick(tool, 14'499), "タイマー作動中....あと 1秒後です。");
    EXPECT_TRUE(fake.sounds.empty());

    fake.while_box_is_up = [&] { EXPECT_EQ(fake.sounds.size(), 1u) << "the sound starts first"; };
    tick(tool, 1);
    EXPECT_EQ(fake.shown.back(), "時間です");
    EXPECT_EQ(fake.sounds, std::vector<std::wstring>{bell.wstring()});
    EXPECT_EQ(text_of(tool, IDC_TIMER_STATUS), "");
    EXPECT_TRUE(enabled(tool, IDC_TIMER_START));
    EXPECT_FALSE(enabled(tool, IDC_TIMER_CANCEL));
    EXPECT_FALSE(enabled(tool, IDC_HOURS)) << "the enabling rule is back";
    tick(tool, 1'000);
    EXPECT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(settings.tmsg.to_save, "時間です");
}

TEST_F(TimerTest, CancelStopsBeforeItsBoxSoTheLauncherThenAsksNothing) {
    HWND tool = set_a_minute("");
    click(tool, IDC_TIMER_START);
    fake.while_box_is_up = [&] { EXPECT_EQ(SendMessageW(tool, launcher_closing_message, 0, 0), 0); };
    click(tool, IDC_TIMER_CANCEL);
    EXPECT_EQ(fake.shown, Texts{"タイマーはキャンセルされました。"});
    EXPECT_FALSE(enabled(tool, IDC_TIMER_CANCEL));
    tick(tool, 60'000);
    EXPECT_TRUE(fake.sounds.empty());
}

TEST_F(TimerTest, BrowseFillsThePathAndRefusesOneThatWouldChange) {
    HWND tool = open(IDC_OPEN_TIMER);
    fake.chosen_file = L"C:\\音\\ベル.wav";
    click(tool, IDC_BROWSE);
    EXPECT_EQ(fake.file_choices.at(0).extension, L"wav") << "a name typed bare gets .wav";
    EXPECT_EQ(text_of(tool, IDC_ALARM_FILE), "C:\\音\\ベル.wav");
    EXPECT_EQ(settings.alarm.to_save, "") << "kept only at a test play or a start";
    click(tool, IDC_TRY_SOUND);
    EXPECT_EQ(fake.sounds, std::vector<std::wstring>{L"C:\\音\\ベル.wav"});

    const std::wstring outside_cp932 = L"C:\\M\u00fcller\\bell.wav";
    const std::wstring too_long = L"C:\\" + std::wstring(121, L'a') + L".wav";
    for (const std::wstring& changed : {outside_cp932, too_long}) {
        fake.chosen_file = changed;
        click(tool, IDC_BROWSE);
    }
    ASSERT_EQ(fake.shown.size(), 2u);
    EXPECT_NE(fake.shown[0], fake.shown[1]);
    EXPECT_EQ(text_of(tool, IDC_ALARM_FILE), "C:\\音\\ベル.wav");
}

}  // namespace
}  // namespace quivra::testing
