// The game's window: presses, the display timer, sounds and the font.
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/game.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"
#include "tools/system/game.h"

namespace quivra::testing {
namespace {

namespace fs = std::filesystem;

class GameWindowTest : public WindowTest {
protected:
    // The button that carries `number` (0 for "１") in the game just started.
    int button_of(int number) const {
        Board board = shuffled_board(std::uint32_t(fake.epoch_seconds));
        return IDC_GAME_FIRST_CELL + int(std::find(board.begin(), board.end(), number) - board.begin());
    }
    // Moves the clock on and lets the display timer fire once.
    void tick_at(HWND game, std::uint64_t ms_since_start) {
        fake.now_ms = start_ms + ms_since_start;
        SendMessageW(game, WM_TIMER, IDT_GAME_DISPLAY, 0);
    }
    const std::uint64_t start_ms = fake.now_ms;
};

// The current directory is elsewhere for as long as it lives.
class CurrentDirectoryElsewhere {
public:
    CurrentDirectoryElsewhere() : previous_(fs::current_path()) { fs::current_path(fs::temp_directory_path()); }
    ~CurrentDirectoryElsewhere() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

TEST_F(GameWindowTest, AWholeGamePlayedInOrderIsRatedOnItsRealTime) {
    CurrentDirectoryElsewhere elsewhere;
    HWND game = open(IDC_OPEN_GAME);
    EXPECT_EQ(window_text(game), "Quivra　頭の中　集中力");
    EXPECT_EQ(text_of(game, IDC_GAME_FIRST_CELL), "");

    click(game, IDC_GAME_START);
    EXPECT_EQ(text_of(game, IDC_GAME_START), "キャンセル");
    EXPECT_EQ(text_of(game, IDC_GAME_NEXT), "１");
    EXPECT_EQ(text_of(game, button_of(0)), "１");
    EXPECT_EQ(text_of(game, button_of(24)), "２５");

    click(game, button_of(1));
    for (int number = 0; number < game_cells - 1; ++number) click(game, button_of(number));
    EXPECT_EQ(text_of(game, IDC_GAME_NEXT), "２５");
    // One late tick stands for many dropped ones: the time is still real.
    tick_at(game, 24'000);
    EXPECT_EQ(text_of(game, IDC_GAME_TIME), "24.0秒");
    fake.now_ms = start_ms + 24'950;
    click(game, button_of(24));

    EXPECT_EQ(text_of(game, IDC_GAME_TIME), "24.9秒");
    EXPECT_EQ(text_of(game, IDC_GAME_NEXT), "２５");
    EXPECT_EQ(text_of(game, IDC_GAME_RATING), "なんと驚異的！びっくりの速さです！若さいっぱい！");
    EXPECT_EQ(text_of(game, IDC_GAME_START), "スタート");
    EXPECT_FALSE(KillTimer(game, IDT_GAME_DISPLAY)) << "the timer runs on at rest";

    const std::wstring ok = program_directory() + L"ok.wav", error = program_directory() + L"error.wav";
    ASSERT_EQ(fake.sounds.size(), 26u);
    EXPECT_EQ(fake.sounds[0], error);
    EXPECT_EQ(std::count(fake.sounds.begin(), fake.sounds.end(), ok), 25);
}

TEST_F(GameWindowTest, TimeOverStopsTheTimerAndCancelClears) {
    HWND game = open(IDC_OPEN_GAME);
    click(game, IDC_GAME_START);
    tick_at(game, 1'859'999);
    EXPECT_EQ(text_of(game, IDC_GAME_TIME), "30分 59.9秒");
    tick_at(game, 1'860'000);
    EXPECT_EQ(text_of(game, IDC_GAME_TIME), "タイムオーバー");
    EXPECT_FALSE(KillTimer(game, IDT_GAME_DISPLAY));
    EXPECT_EQ(text_of(game, IDC_GAME_START), "キャンセル");

    click(game, IDC_GAME_START);
    EXPECT_EQ(text_of(game, IDC_GAME_START), "スタート");
    EXPECT_EQ(text_of(game, IDC_GAME_TIME), "");
    EXPECT_EQ(text_of(game, IDC_GAME_NEXT), "");
    EXPECT_EQ(text_of(game, button_of(0)), "１");  // the numbers stay
}

TEST_F(GameWindowTest, AWindowOpenedAfterOneClosedMidGameStartsIdle) {
    HWND game = open(IDC_OPEN_GAME);
    click(game, IDC_GAME_START);
    auto font = reinterpret_cast<HFONT>(SendDlgItemMessageW(game, IDC_GAME_FIRST_CELL, WM_GETFONT, 0, 0));
    LOGFONTW bold{};
    ASSERT_NE(GetObjectW(font, sizeof bold, &bold), 0);
    EXPECT_EQ(bold.lfWeight, FW_BOLD);
    EXPECT_EQ(bold.lfHeight, 16);

    choose_menu(game, IDM_EXIT);
    EXPECT_EQ(GetObjectW(font, sizeof bold, &bold), 0) << "the font outlives its window";

    game = open(IDC_OPEN_GAME);
    EXPECT_EQ(text_of(game, IDC_GAME_START), "スタート");
    fake.sounds.clear();
    click(game, IDC_GAME_FIRST_CELL);
    ASSERT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(fake.sounds[0], program_directory() + L"error.wav");
    click(game, IDC_GAME_START);
    EXPECT_EQ(text_of(game, IDC_GAME_START), "キャンセル");
}

TEST(GameSounds, LieBesideTheBuiltProgramAsPcmWaves) {
    const char* program = std::getenv("QUIVRA_EXE");
    ASSERT_NE(program, nullptr);
    std::string directory = program;
    if (directory.starts_with('/')) directory = "Z:" + directory;
    for (const char* name : {"ok.wav", "error.wav"}) {
        std::string bytes = read_bytes(fs::path(directory).make_preferred().parent_path() / name);
        ASSERT_GT(bytes.size(), 44u) << name;
        EXPECT_EQ(bytes.substr(0, 4), "RIFF");
        EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(bytes[20], 1) << name << " is not plain PCM";
        EXPECT_LT(bytes.size(), 64'000u) << name << " is not small";
    }
}

}  // namespace
}  // namespace quivra::testing
