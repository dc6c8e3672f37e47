#include "tools/system/game.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quivra {
namespace {

TEST(GameShuffle, DrawsAsTheRuntimesRandDoes) {
    // rand() after srand(1), as the runtime has always answered.
    RuntimeRandom random(1);
    for (int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464})
        EXPECT_EQ(random.next(), expected);
}

TEST(GameShuffle, NumbersGoToTheFirstEmptyCellTheDrawsHit) {
    // Seed 1 draws cells 16, 17, 9, 0, 19, 24, 3, 8, 12, 14 first.
    Board board = shuffled_board(1);
    const int cells[] = {16, 17, 9, 0, 19, 24, 3, 8, 12, 14};
    for (int number = 0; number < 10; ++number) EXPECT_EQ(board[std::size_t(cells[number])], number);
    Board sorted = board;
    std::sort(sorted.begin(), sorted.end());
    for (int number = 0; number < game_cells; ++number) EXPECT_EQ(sorted[std::size_t(number)], number);

    EXPECT_EQ(shuffled_board(1'796'601'600), shuffled_board(1'796'601'600));
    EXPECT_NE(shuffled_board(1'796'601'600), shuffled_board(1'796'601'601));
}

TEST(GameTexts, LabelsAreFullWidth) {
    EXPECT_EQ(number_label(0), "１");
    EXPECT_EQ(number_label(8), "９");
    EXPECT_EQ(number_label(9), "１０");
    EXPECT_EQ(number_label(19), "２０");
    EXPECT_EQ(number_label(24), "２５");
}

TEST(GameTexts, TimeFormsAroundTheMinuteAndTheEnd) {
    EXPECT_EQ(elapsed_text(0), "0.0秒");
    EXPECT_EQ(elapsed_text(599), "59.9秒");
    EXPECT_EQ(elapsed_text(600), "1分 0.0秒");
    EXPECT_EQ(elapsed_text(18599), "30分 59.9秒");
    EXPECT_EQ(elapsed_text(18600), "タイムオーバー");
}

TEST(GameTexts, RatingsChangeAtTheirThresholds) {
    const std::pair<std::int64_t, const char*> edges[] = {
        {0, "信じられない！是非お名前をメールでお知らせ下さい"},
        {199, "信じられない！是非お名前をメールでお知らせ下さい"},
        {200, "なんと驚異的！びっくりの速さです！若さいっぱい！"},
        {249, "なんと驚異的！びっくりの速さです！若さいっぱい！"},
        {250, "すばらしい！　ワンダフル！です。　早い！"},
        {299, "すばらしい！　ワンダフル！です。　早い！"},
        {300, "かなり早いですねぇ～。その若さを保って下さいねぇ"},
        {349, "かなり早いですねぇ～。その若さを保って下さいねぇ"},
        {350, "まぁまぁ早いかも。。。頭はかなり若いかも。。。"},
        {399, "まぁまぁ早いかも。。。頭はかなり若いかも。。。"},
        {400, "早いかも。。。普通かも？　平均的な早さかも？"},
        {499, "早いかも。。。普通かも？　平均的な早さかも？"},
        {500, "まだまだ早くなると思いますよ～。がんばってねぇ。"},
        {599, "まだまだ早くなると思いますよ～。がんばってねぇ。"},
        {600, "もうちょっとなんとかしたいですねぇ～。ファイト！"},
        {18600, "もうちょっとなんとかしたいですねぇ～。ファイト！"}};
    for (auto [tenths, message] : edges) EXPECT_EQ(rating(tenths), message) << tenths;
}

constexpr std::uint64_t start_ms = 5'000'000;
constexpr std::int64_t seed = 1'796'601'600;

// The cell that holds `number` (0 for "１").
int cell_of(int number) {
    Board board = shuffled_board(std::uint32_t(seed));
    return int(std::find(board.begin(), board.end(), number) - board.begin());
}

// Presses 1 to 24 at the start time; the caller presses 25.
Game game_at_last_number() {
    Game game;
    game.press_start(start_ms, seed);
    for (int number = 0; number < game_cells - 1; ++number) game.press_cell(cell_of(number), start_ms);
    return game;
}

TEST(Game, StartShufflesAndCancelClears) {
    Game game;
    GameUpdate start = game.press_start(start_ms, seed);
    EXPECT_EQ(start.start_caption, "キャンセル");
    EXPECT_EQ(start.next, "１");
    EXPECT_EQ(start.rating, "");
    EXPECT_FALSE(start.time);  // the last game's time stays until the first tick
    EXPECT_EQ(start.timer, TimerChange::start);
    ASSERT_TRUE(start.cell_labels);
    EXPECT_EQ((*start.cell_labels)[std::size_t(cell_of(24))], "２５");

    GameUpdate cancel = game.press_start(start_ms + 700, seed);
    EXPECT_FALSE(game.running());
    EXPECT_EQ(cancel.start_caption, "スタート");
    EXPECT_EQ(cancel.timer, TimerChange::stop);
    EXPECT_EQ(cancel.time, "");
    EXPECT_EQ(cancel.next, "");
    EXPECT_EQ(cancel.rating, "");
    EXPECT_FALSE(cancel.cell_labels);
}

TEST(Game, RightAndWrongPresses) {
    Game game;
    EXPECT_EQ(game.press_cell(cell_of(0), start_ms).sound, Sound::error);  // before any start
    game.press_start(start_ms, seed);
    GameUpdate wrong = game.press_cell(cell_of(1), start_ms);
    EXPECT_EQ(wrong.sound, Sound::error);
    EXPECT_FALSE(wrong.next);
    GameUpdate right = game.press_cell(cell_of(0), start_ms);
    EXPECT_EQ(right.sound, Sound::ok);
    EXPECT_EQ(right.next, "２");
    EXPECT_EQ(game.press_cell(cell_of(0), start_ms).sound, Sound::error);  // the same one again
}

TEST(Game, TicksShowRealTimeNotTheirCount) {
    Game game;
    game.press_start(start_ms, seed);
    // One tick after a long stall shows the whole stall.
    EXPECT_EQ(game.tick(start_ms + 59'999).time, "59.9秒");
    EXPECT_EQ(game.tick(start_ms + 60'000).time, "1分 0.0秒");
    EXPECT_EQ(game.tick(start_ms + 1'859'999).time, "30分 59.9秒");
    EXPECT_EQ(game.tick(start_ms + 1'859'999).timer, TimerChange::keep);
}

TEST(Game, TheTimeShownAtTheEndIsTheTimeRated) {
    Game game = game_at_last_number();
    game.tick(start_ms + 19'800);
    GameUpdate last = game.press_cell(cell_of(24), start_ms + 19'999);
    EXPECT_EQ(last.sound, Sound::ok);
    EXPECT_EQ(last.time, "19.9秒");
    EXPECT_EQ(last.rating, "信じられない！是非お名前をメールでお知らせ下さい");
    EXPECT_FALSE(last.next);  // "２５" stays
    EXPECT_EQ(last.start_caption, "スタート");
    EXPECT_EQ(last.timer, TimerChange::stop);
    EXPECT_FALSE(game.running());
    EXPECT_EQ(game.press_cell(cell_of(24), start_ms + 20'000).sound, Sound::error);
    EXPECT_FALSE(game.tick(start_ms + 20'000).time);  // a tick left in the queue

    Game slower = game_at_last_number();
    EXPECT_EQ(slower.press_cell(cell_of(24), start_ms + 20'000).rating,
              "なんと驚異的！びっくりの速さです！若さいっぱい！");
}

TEST(Game, TimeOverStopsTheClockButTheGameCanBeFinished) {
    Game game = game_at_last_number();
    GameUpdate over = game.tick(start_ms + 1'860'000);
    EXPECT_EQ(over.time, "タイムオーバー");
    EXPECT_EQ(over.timer, TimerChange::stop);
    EXPECT_TRUE(game.running());
    EXPECT_FALSE(game.tick(start_ms + 1'860'100).time);

    GameUpdate last = game.press_cell(cell_of(24), start_ms + 3'600'000);
    EXPECT_EQ(last.time, "タイムオーバー");
    EXPECT_EQ(last.rating, "もうちょっとなんとかしたいですねぇ～。ファイト！");
    EXPECT_FALSE(game.running());
}

TEST(Game, StartAfterTimeOverCancels) {
    Game game;
    game.press_start(start_ms, seed);
    game.tick(start_ms + 1'860'000);
    EXPECT_EQ(game.press_start(start_ms + 1'900'000, seed).start_caption, "スタート");
    EXPECT_FALSE(game.running());
    // A new game runs its clock again from its own start.
    game.press_start(start_ms + 2'000'000, seed);
    EXPECT_EQ(game.tick(start_ms + 2'000'100).time, "0.1秒");
}

}  // namespace
}  // namespace quivra
