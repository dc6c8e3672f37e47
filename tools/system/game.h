// The 1-to-25 concentration game: shuffle, presses, clock and rating.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quivra {

inline constexpr int game_cells = 25;

// The C runtime's rand() after srand(seed), so a seed gives the same
// board as it always has.
class RuntimeRandom {
public:
    explicit RuntimeRandom(std::uint32_t seed) : state_(seed) {}
    int next();

private:
    std::uint32_t state_;
};

// For each cell the number on it minus one.
using Board = std::array<int, game_cells>;
Board shuffled_board(std::uint32_t seed);

// "１" to "２５" for 0 to 24.
std::string number_label(int value);
// "59.9秒", "1分 0.0秒"; "タイムオーバー" from 31 minutes on.
std::string game_time_text(std::int64_t tenths);
std::string rating(std::int64_t tenths);

inline constexpr std::int64_t time_over_tenths = 18600;

enum class Sound { none, ok, error };
enum class TimerChange { keep, start, stop };

// What the window changes after an action; an empty field stays as it is.
struct GameUpdate {
    std::optional<std::string> start_caption;
    std::optional<std::string> time;
    std::optional<std::string> next;
    std::optional<std::string> rating;
    std::optional<std::array<std::string, game_cells>> cell_labels;
    TimerChange timer = TimerChange::keep;
    Sound sound = Sound::none;
};

// Time is real time: every action brings the monotonic clock's reading.
class Game {
public:
    // Starts a game, or cancels the one running (also after a time-over).
    GameUpdate press_start(std::uint64_t now_ms, std::int64_t seconds_since_1970);
    GameUpdate press_cell(int cell, std::uint64_t now_ms);
    // The display timer's tick: refreshes the time, or ends it at time-over.
    GameUpdate tick(std::uint64_t now_ms);

    bool running() const { return running_; }

private:
    std::int64_t tenths_since_start(std::uint64_t now_ms) const;

    bool running_ = false;
    bool timed_out_ = false;
    std::uint64_t start_ms_ = 0;
    int next_ = 0;
    Board board_{};
};

}  // namespace quivra
