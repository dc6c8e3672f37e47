// The drive report's lines and queries; the game's boards, presses, real-time clock and ratings.
#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <tuple>

#include "tools/system/drive_report.h"
#include "tools/system/game.h"

namespace quivra {
namespace {

constexpr std::uint64_t mb = 1024 * 1024, gb = 1024 * mb, four_tib = gb << 12;
constexpr SizeUnit in_mb = SizeUnit::megabytes, in_kb = SizeUnit::kilobytes;

TEST(DriveReport, SizeLinesKeepTheirFieldsFromUnderAMegabyteToTebibytes) {
    const struct { std::optional<DriveSpace> space; SizeUnit unit; const char* line; } cases[] = {
        {DriveSpace{10 * gb, 40 * gb}, in_mb, "    残りは 10240Mb( 25% )..ドライブ容量は 40960Mbです"},
        {DriveSpace{10 * gb, 40 * gb}, in_kb, "残りは 10485760kb( 25% )ドライブ容量は 41943040kbです"},
        {DriveSpace{four_tib, four_tib}, in_mb, "    残りは4194304Mb( 100% )..ドライブ容量は4194304Mbです"},
        {DriveSpace{four_tib / 2, four_tib}, in_kb, "残りは2147483648kb( 50% )ドライブ容量は4294967296kbです"},
        // 76 percent of the bytes, but 1 of 2 megabytes.
        {DriveSpace{1992294, 2621440}, in_mb, "    残りは     1Mb( 50% )..ドライブ容量は     2Mbです"},
        {DriveSpace{mb - 1, mb - 1}, in_mb, "    残りは     0Mb( --% )..ドライブ容量は     0Mbです"},
        {DriveSpace{512, 1023}, in_kb, "残りは        0kb( --% )ドライブ容量は        0kbです"},
        {std::nullopt, in_mb, "    残りは     0Mb( --% )..ドライブ容量は     0Mbです"},  // a failed query
    };
    for (const auto& c : cases) EXPECT_EQ(drive_lines({'C', 3, c.space, "", ""}, c.unit)[2], c.line);
    EXPECT_EQ(classic_space(64, 4096, 0, UINT32_MAX).total_bytes, 64 * 4096 * std::uint64_t(UINT32_MAX));
}

TEST(DriveReport, HeadingsPadByBytesShowFailedVolumesEmptyAndNameUnknownTypes) {
    const auto heading = [](unsigned type, const char* label, const char* file_system) {
        return drive_lines({'D', type, {}, label, file_system}, in_mb)[0];
    };
    EXPECT_EQ(heading(2, "データ", "FAT32"), "D: [データ     ](FAT32 )Floppy   ");
    EXPECT_EQ(heading(1, "LONGERTHANELEVEN", "exFAT32x"), "D: [LONGERTHANELEVEN](exFAT32x)not found");
    for (unsigned unknown : {0u, 7u}) EXPECT_EQ(heading(unknown, "", ""), "D: [           ](      )?????    ");
}

TEST(DriveReport, VersionChoosesTheQueryAndAIsNeverExamined) {
    using enum FreeSpaceQuery;
    const struct { unsigned platform, major, build; FreeSpaceQuery query; } cases[] = {
        {2, 3, 1057, classic}, {2, 4, 1381, extended}, {3, 10, 0, none},
        {1, 4, 1001, extended}, {1, 4, 1000, classic}, {1, 4, 0x040003E8, classic},  // only the low 16 bits count
    };
    for (const auto& c : cases) EXPECT_EQ(free_space_query(c.platform, c.major, c.build), c.query) << c.build;
    EXPECT_EQ(drive_letters(0b1111), (std::vector<char>{'B', 'C', 'D'}));
}

TEST(GameShuffle, DrawsAsTheRuntimesRandAndFillsTheFirstEmptyCellHit) {
    // rand() after srand(1), as the runtime has always answered, and the cells they hit.
    RuntimeRandom random(1);
    for (int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464})
        EXPECT_EQ(random.next(), expected);
    Board board = shuffled_board(1);
    const int first_cells[] = {16, 17, 9, 0, 19, 24, 3, 8, 12, 14};
    for (int number = 0; number < 10; ++number) EXPECT_EQ(board[std::size_t(first_cells[number])], number);
    EXPECT_TRUE(std::ranges::is_permutation(board, std::views::iota(0, game_cells)));
}

TEST(GameTexts, TimesChangeFormAtTheMinuteAndRatingsAtEachThresholdOnly) {
    EXPECT_EQ((std::vector{game_time_text(599), game_time_text(600), game_time_text(time_over_tenths - 1),
                           game_time_text(time_over_tenths)}),
              (std::vector<std::string>{"59.9秒", "1分 0.0秒", "30分 59.9秒", "タイムオーバー"}));
    const std::int64_t thresholds[] = {200, 250, 300, 350, 400, 500, 600};
    for (std::int64_t t : thresholds) EXPECT_NE(rating(t - 1), rating(t)) << t;
    for (std::size_t i = 0; i + 1 < std::size(thresholds); ++i)
        EXPECT_EQ(rating(thresholds[i]), rating(thresholds[i + 1] - 1)) << thresholds[i];
    EXPECT_EQ(rating(0), rating(199));
    EXPECT_EQ(rating(time_over_tenths), rating(600));
}

constexpr std::uint64_t t0 = 5'000'000;
constexpr std::int64_t seed = 1'796'601'600;

int cell_of(int number) {
    Board board = shuffled_board(std::uint32_t(seed));
    return int(std::find(board.begin(), board.end(), number) - board.begin());
}

// Started at t0 with 1 to 24 pressed; the caller presses 25.
Game game_at_last_number() {
    Game game;
    game.press_start(t0, seed);
    for (int number = 0; number < game_cells - 1; ++number) game.press_cell(cell_of(number), t0);
    return game;
}

TEST(Game, OnlyTheNextNumberOfARunningGameCounts) {
    Game game;
    const auto sound = [&](int number) { return game.press_cell(cell_of(number), t0).sound; };
    EXPECT_EQ(sound(0), Sound::error) << "before any start";
    GameUpdate start = game.press_start(t0, seed);
    EXPECT_FALSE(start.time) << "the last game's time stays until the first tick";
    EXPECT_EQ((*start.cell_labels)[std::size_t(cell_of(24))], "２５");
    EXPECT_EQ(sound(1), Sound::error);
    GameUpdate right = game.press_cell(cell_of(0), t0);
    EXPECT_EQ(std::tuple(right.sound, right.next), std::tuple(Sound::ok, "２"));
    EXPECT_EQ(sound(0), Sound::error) << "the same one again";
    game.press_start(t0, seed);
    EXPECT_EQ(sound(1), Sound::error) << "cancelled";
}

TEST(Game, TheTimeShownAndRatedIsRealTimeHoweverFewTicksCame) {
    Game game = game_at_last_number();
    EXPECT_EQ(game.tick(t0 + 12'000).time, "12.0秒");
    GameUpdate last = game.press_cell(cell_of(24), t0 + 19'999);
    EXPECT_EQ(std::tuple(last.time, last.rating, last.next, last.timer),
              std::tuple("19.9秒", rating(199), std::nullopt /* ２５ stays */, TimerChange::stop));
    EXPECT_FALSE(game.tick(t0 + 20'000).time) << "a tick still queued changes nothing";
    EXPECT_EQ(game_at_last_number().press_cell(cell_of(24), t0 + 20'000).rating, rating(200));
}

TEST(Game, AfterTimeOverTheGameCanStillBeFinishedOrCancelled) {
    Game game = game_at_last_number();
    EXPECT_EQ(game.tick(t0 + 1'859'999).timer, TimerChange::keep);
    GameUpdate over = game.tick(t0 + 1'860'000);
    EXPECT_EQ(std::tuple(over.time, over.timer), std::tuple("タイムオーバー", TimerChange::stop));
    GameUpdate last = game.press_cell(cell_of(24), t0 + 3'600'000);
    EXPECT_EQ(std::tuple(last.time, last.rating), std::tuple("タイムオーバー", rating(600)));

    Game cancelled = game_at_last_number();
    cancelled.tick(t0 + 1'860'000);
    EXPECT_EQ(cancelled.press_start(t0 + 1'900'000, seed).start_caption, "スタート");
    cancelled.press_start(t0 + 2'000'000, seed);
    EXPECT_EQ(cancelled.tick(t0 + 2'000'100).time, "0.1秒");
}

}  // namespace
}  // namespace quivra
