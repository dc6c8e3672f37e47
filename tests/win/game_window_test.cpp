// The game's window: a whole game, the display timer, sounds beside the program, reopening.
#include <algorithm>
#include <filesystem>

#include "base/win/settings_store.h"
#include "res/dialogs/game.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"
#include "tools/system/game.h"

namespace quivra::testing {
namespace {

namespace fs = std::filesystem;

class GameWindowTest : public WindowTest {
protected:
    // The button that carries `number` (0 for "１") in a game started now.
    int button_of(int number) const {
        Board board = shuffled_board(std::uint32_t(fake.epoch_seconds));
        return IDC_GAME_FIRST_CELL + int(std::find(board.begin(), board.end(), number) - board.begin());
    }
};

TEST_F(GameWindowTest, AWholeGameFromAnotherCurrentDirectory) {
    fs::path previous = fs::current_path();
    fs::current_path(fs::temp_directory_path());
    HWND game = open(IDC_OPEN_GAME);
    click(game, IDC_GAME_START);
    EXPECT_EQ(text_of(game, button_of(24)), "２５");
    click(game, button_of(1));
    for (int number = 0; number < game_cells - 1; ++number) click(game, button_of(number));
    tick(game, IDT_GAME_DISPLAY, 24'000);
    EXPECT_EQ(text_of(game, IDC_GAME_TIME), "24.0秒");
    fake.now_ms += 950;
    click(game, button_of(24));
    fs::current_path(previous);

    EXPECT_EQ(text_of(game, IDC_GAME_TIME), "24.9秒");
    EXPECT_EQ(text_of(game, IDC_GAME_RATING), rating(249));
    EXPECT_EQ(text_of(game, IDC_GAME_START), "スタート");
    EXPECT_FALSE(KillTimer(game, IDT_GAME_DISPLAY)) << "a finished game left its timer running";
    const std::wstring ok = program_directory() + L"ok.wav";
    ASSERT_EQ(fake.sounds.size(), 26u);
    EXPECT_EQ(fake.sounds[0], program_directory() + L"error.wav");
    EXPECT_EQ(std::count(fake.sounds.begin(), fake.sounds.end(), ok), 25);
}

TEST_F(GameWindowTest, TimeOverStopsTheTimerAndAWindowClosedMidGameReleasesItsFont) {
    HWND game = open(IDC_OPEN_GAME);
    click(game, IDC_GAME_START);
    tick(game, IDT_GAME_DISPLAY, 1'860'000);
    EXPECT_EQ(text_of(game, IDC_GAME_TIME), "タイムオーバー");
    EXPECT_FALSE(KillTimer(game, IDT_GAME_DISPLAY));
    auto font = reinterpret_cast<HFONT>(SendDlgItemMessageW(game, IDC_GAME_FIRST_CELL, WM_GETFONT, 0, 0));
    LOGFONTW bold{};
    ASSERT_NE(GetObjectW(font, sizeof bold, &bold), 0);
    EXPECT_EQ(bold.lfWeight, FW_BOLD);
    choose_menu(game, IDM_EXIT);
    EXPECT_EQ(GetObjectW(font, sizeof bold, &bold), 0) << "the font outlives its window";
    EXPECT_EQ(text_of(open(IDC_OPEN_GAME), IDC_GAME_START), "スタート") << "reopened idle";
}

}  // namespace
}  // namespace quivra::testing
