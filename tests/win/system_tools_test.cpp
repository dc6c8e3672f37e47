// The drive report and the game: drives and sizes the fake platform makes up, a whole game, the display timer.
#include <algorithm>
#include <filesystem>

#include "base/win/settings_store.h"
#include "res/dialogs/drive_report.h"
#include "res/dialogs/game.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"
#include "tools/system/game.h"

namespace quivra::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t gb = std::uint64_t(1) << 30;

class SystemToolsTest : public WindowTest {
protected:
    // The button that carries `number` (0 for "１") in a game started now.
    int button_of(int number) const {
        Board board = shuffled_board(std::uint32_t(fake.epoch_seconds));
        return IDC_GAME_FIRST_CELL + int(std::find(board.begin(), board.end(), number) - board.begin());
    }
};

TEST_F(SystemToolsTest, DriveReportIsRebuiltAndTheUnitTakesEffectAtTheNextPress) {
    // A: is never examined; the optical drive has no disc.
    fake.drives['A'] = {DRIVE_REMOVABLE, ExtendedFreeSpace{gb, gb}, {}, VolumeInformation{"FD", "FAT"}};
    fake.drives['C'] = {DRIVE_FIXED, ExtendedFreeSpace{10 * gb, 40 * gb}, {},
                        VolumeInformation{"システム", "NTFS"}};
    fake.drives['Q'] = {DRIVE_CDROM, {}, {}, {}};
    HWND tool = open(IDC_OPEN_DRIVES);
    click(tool, IDC_DRIVE_EXAMINE);
    std::vector<std::string> lines = list_lines(tool, IDC_DRIVE_LIST);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "C: [システム   ](NTFS  )HardDisk ");
    EXPECT_EQ(lines[2], "    残りは 10240Mb( 25% )..ドライブ容量は 40960Mbです");
    EXPECT_EQ(lines[5], "Q: [           ](      )CD-ROM   ");

    click(tool, IDC_DRIVE_KILOBYTES);
    EXPECT_EQ(list_lines(tool, IDC_DRIVE_LIST), lines);
    fake.drives['C'].extended->free_bytes = 20 * gb;
    click(tool, IDC_DRIVE_EXAMINE);
    EXPECT_EQ(list_lines(tool, IDC_DRIVE_LIST).at(2), "残りは 20971520kb( 50% )ドライブ容量は 41943040kbです");
}

TEST_F(SystemToolsTest, OldSystemsUseTheClassicCountsAndUnknownOnesGetOneLine) {
    // 16 TiB in 4 KiB clusters: the byte counts need more than 32 bits.
    fake.drives['D'] = {DRIVE_FIXED, ExtendedFreeSpace{1, 1},
                        ClassicFreeSpace{8, 512, 0x7FFFFFFF, 0xFFFFFFFF}, VolumeInformation{"OLD", "FAT"}};
    fake.version = {2, 3, 1057};
    HWND tool = open(IDC_OPEN_DRIVES);
    click(tool, IDC_DRIVE_EXAMINE);
    EXPECT_EQ(list_lines(tool, IDC_DRIVE_LIST).at(2), "    残りは8388607Mb( 49% )..ドライブ容量は16777215Mbです");
    fake.version = {0, 4, 0};
    click(tool, IDC_DRIVE_EXAMINE);
    EXPECT_EQ(list_lines(tool, IDC_DRIVE_LIST).size(), 1u);
}

TEST_F(SystemToolsTest, AWholeGameFromAnotherCurrentDirectory) {
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

TEST_F(SystemToolsTest, TimeOverStopsTheTimerAndAWindowClosedMidGameReleasesItsFont) {
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
