// The game's rules: the runtime's shuffle, presses in order, the real-time clock and the rating.
#include "tools/system/game.h"

#include <cinttypes>
#include <cstdio>

namespace quivra {

int RuntimeRandom::next() {
    state_ = state_ * 214013u + 2531011u;
    return int((state_ >> 16) & 0x7FFF);
}

Board shuffled_board(std::uint32_t seed) {
    Board board;
    board.fill(-1);
    RuntimeRandom random(seed);
    for (int number = 0; number < game_cells;) {
        int& cell = board[std::size_t(random.next() % game_cells)];
        if (cell == -1) cell = number++;
    }
    return board;
}

std::string number_label(int value) {
    static constexpr const char* digits[] = {"０", "１", "２", "３", "４",
                                             "５", "６", "７", "８", "９"};
    int number = value + 1;
    return number < 10 ? digits[number] : std::string(digits[number / 10]) + digits[number % 10];
}

std::string game_time_text(std::int64_t tenths) {
    if (tenths >= time_over_tenths) return "タイムオーバー";
    char text[48];
    if (tenths >= 600)
        std::snprintf(text, sizeof text, "%" PRId64 "分 %" PRId64 ".%" PRId64 "秒", tenths / 600,
                      tenths % 600 / 10, tenths % 10);
    else
        std::snprintf(text, sizeof text, "%" PRId64 ".%" PRId64 "秒", tenths / 10, tenths % 10);
    return text;
}

std::string rating(std::int64_t tenths) {
    if (tenths >= 600) return "もうちょっとなんとかしたいですねぇ～。ファイト！";
    if (tenths >= 500) return "まだまだ早くなると思いますよ～。がんばってねぇ。";
    if (tenths >= 400) return "早いかも。。。普通かも？　平均的な早さかも？";
    if (tenths >= 350) return "まぁまぁ早いかも。。。頭はかなり若いかも。。。";
    if (tenths >= 300) return "かなり早いですねぇ～。その若さを保って下さいねぇ";
    if (tenths >= 250) return "すばらしい！　ワンダフル！です。　早い！";
    if (tenths >= 200) return "なんと驚異的！びっくりの速さです！若さいっぱい！";
    return "信じられない！是非お名前をメールでお知らせ下さい";
}

std::int64_t Game::tenths_since_start(std::uint64_t now_ms) const {
    std::uint64_t tenths = (now_ms - start_ms_) / 100;
    return tenths >= std::uint64_t(time_over_tenths) ? time_over_tenths : std::int64_t(tenths);
}

GameUpdate Game::press_start(std::uint64_t now_ms, std::int64_t seconds_since_1970) {
    GameUpdate update;
    if (running_) {
        running_ = false;
        update.start_caption = "スタート";
        update.timer = TimerChange::stop;
        update.time = update.next = update.rating = "";
        return update;
    }
    running_ = true;
    timed_out_ = false;
    start_ms_ = now_ms;
    next_ = 0;
    // srand takes the low 32 bits of time().
    board_ = shuffled_board(std::uint32_t(seconds_since_1970));
    update.start_caption = "キャンセル";
    update.next = number_label(0);
    update.timer = TimerChange::start;
    update.cell_labels.emplace();
    for (int cell = 0; cell < game_cells; ++cell)
        (*update.cell_labels)[std::size_t(cell)] = number_label(board_[std::size_t(cell)]);
    update.rating = "";
    return update;
}

GameUpdate Game::press_cell(int cell, std::uint64_t now_ms) {
    GameUpdate update;
    if (!running_ || cell < 0 || cell >= game_cells || board_[std::size_t(cell)] != next_) {
        update.sound = Sound::error;
        return update;
    }
    update.sound = Sound::ok;
    if (++next_ < game_cells) {
        update.next = number_label(next_);
        return update;
    }
    // The time shown at the end is the time rated.
    std::int64_t tenths = tenths_since_start(now_ms);
    running_ = false;
    update.start_caption = "スタート";
    update.timer = TimerChange::stop;
    update.time = game_time_text(tenths);
    update.rating = rating(tenths);
    return update;
}

GameUpdate Game::tick(std::uint64_t now_ms) {
    GameUpdate update;
    if (!running_ || timed_out_) return update;
    std::int64_t tenths = tenths_since_start(now_ms);
    update.time = game_time_text(tenths);
    if (tenths >= time_over_tenths) {
        timed_out_ = true;
        update.timer = TimerChange::stop;
    }
    return update;
}

}  // namespace quivra
