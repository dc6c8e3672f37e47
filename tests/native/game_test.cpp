// Boards for fixed seeds, presses in and out of order, the real-time clock and the ratings.
#include "tools/system/game.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quivra {
namespace {

TEST(GameShuffle, DrawsAsTheRuntimesRandAndFillsTheFirstEmptyCellHit) {
    // rand() after srand(1), as the runtime has always answered, and the cells they hit.
    RuntimeRandom random(1);
    for (int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464})
        EXPECT_EQ(random.next(), expected);
    Board board = shuffled_board(1);
    const int first_cells[] = {16, 17, 9, 0, 19, 24, 3, 8, 12, 14};
    for (int number = 0; number < 10; ++number) EXPECT_EQ(board[std::size_t(first_cells[number])], number);
    std::sort(board.begin(), board.end());
    for (int number = 0; number < game_cells; ++number) EXPECT_EQ(board[std::size_t(number)], number);
}

TEST(GameTexts, TimesChangeFormAtTheMinuteAndRatingsAtEachThresholdOnly) {
    EXPECT_EQ(game_time_text(599), "59.9秒");
    EXPECT_EQ(game_time_text(600), "1分 0.0秒");
    EXPECT_EQ(game_time_text(time_over_tenths - 1), "30分 59.9秒");
    EXPECT_EQ(game_time_text(time_over_tenths), "タイムオーバー");
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
    EXPECT_EQ(game.press_cell(cell_of(0), t0).sound, Sound::error) << "before any start";
    GameUpdate start = game.press_start(t0, seed);
    EXPECT_FALSE(start.time) << "the last game's time stays until the first tick";
    EXPECT_EQ((*start.cell_labels)[std::size_t(cell_of(24))], "２５");
    EXPECT_EQ(game.press_cell(cell_of(1), t0).sound, Sound::error);
    GameUpdate right = game.press_cell(cell_of(0), t0);
    EXPECT_EQ(right.sound, Sound::ok);
    EXPECT_EQ(right.next, "２");
    EXPECT_EQ(game.press_cell(cell_of(0), t0).sound, Sound::error) << "the same one again";
    game.press_start(t0, seed);
    EXPECT_EQ(game.press_cell(cell_of(1), t0).sound, Sound::error) << "cancelled";
}

TEST(Game, TheTimeShownAndRatedIsRealTimeHoweverFewTicksCame) {
    Game game = game_at_last_number();
    EXPECT_EQ(game.tick(t0 + 12'000).time, "12.0秒");
    GameUpdate last = game.press_cell(cell_of(24), t0 + 19'999);
    EXPECT_EQ(last.time, "19.9秒");
    EXPECT_EQ(last.rating, rating(199));
    EXPECT_FALSE(last.next) << "２５ stays";
    EXPECT_EQ(last.timer, TimerChange::stop);
    EXPECT_FALSE(game.tick(t0 + 20'000).time) << "a tick still queued changes nothing";
    EXPECT_EQ(game_at_last_number().press_cell(cell_of(24), t0 + 20'000).rating, rating(200));
}

TEST(Game, AfterTimeOverTheGameCanStillBeFinishedOrCancelled) {
    Game game = game_at_last_number();
    EXPECT_EQ(game.tick(t0 + 1'859'999).timer, TimerChange::keep);
    GameUpdate over = game.tick(t0 + 1'860'000);
    EXPECT_EQ(over.time, "タイムオーバー");
    EXPECT_EQ(over.timer, TimerChange::stop);
    GameUpdate last = game.press_cell(cell_of(24), t0 + 3'600'000);
    EXPECT_EQ(last.time, "タイムオーバー");
    EXPECT_EQ(last.rating, rating(600));

    Game cancelled = game_at_last_number();
    cancelled.tick(t0 + 1'860'000);
    EXPECT_EQ(cancelled.press_start(t0 + 1'900'000, seed).start_caption, "スタート");
    cancelled.press_start(t0 + 2'000'000, seed);
    EXPECT_EQ(cancelled.tick(t0 + 2'000'100).time, "0.1秒");
}

}  // namespace
}  // namespace quivra
