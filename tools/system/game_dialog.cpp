// The game's window: forwards presses and ticks to the engine and shows its answers.
#include "tools/system/game_dialog.h"

#include "base/win/platform.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/game.h"
#include "tools/system/game.h"

namespace quivra {
namespace {

// The timer only refreshes the time shown; the time itself comes from the clock.
constexpr UINT display_interval_ms = 100;

void play(Sound sound) {
    if (sound == Sound::none) return;
    // Beside the program, whatever the current directory.
    platform().play_sound(program_directory() + (sound == Sound::ok ? L"ok.wav" : L"error.wav"));
}

class GameWindow final : public ToolWindow {
public:
    using ToolWindow::ToolWindow;

    INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam) override {
        switch (message) {
        case WM_TIMER:
            if (wparam == IDT_GAME_DISPLAY) show(game_.tick(platform().monotonic_ms()));
            return TRUE;
        case WM_DESTROY:
            KillTimer(window(), IDT_GAME_DISPLAY);
            return TRUE;
        }
        return ToolWindow::handle(message, wparam, lparam);
    }

private:
    bool command(WPARAM id) override {
        std::uint64_t now = platform().monotonic_ms();
        if (id == IDC_GAME_START)
            show(game_.press_start(now, platform().seconds_since_1970()));
        else if (id >= IDC_GAME_FIRST_CELL && id <= IDC_GAME_LAST_CELL)
            show(game_.press_cell(int(id) - IDC_GAME_FIRST_CELL, now));
        else
            return false;
        return true;
    }

    void show(const GameUpdate& update) {
        auto set = [this](int id, const std::optional<std::string>& text) {
            if (text) set_item_text(window(), id, *text);
        };
        set(IDC_GAME_START, update.start_caption);
        set(IDC_GAME_TIME, update.time);
        set(IDC_GAME_NEXT, update.next);
        set(IDC_GAME_RATING, update.rating);
        if (update.cell_labels)
            for (int cell = 0; cell < game_cells; ++cell)
                set_item_text(window(), IDC_GAME_FIRST_CELL + cell, (*update.cell_labels)[std::size_t(cell)]);
        if (update.timer == TimerChange::start) SetTimer(window(), IDT_GAME_DISPLAY, display_interval_ms, nullptr);
        if (update.timer == TimerChange::stop) KillTimer(window(), IDT_GAME_DISPLAY);
        play(update.sound);
    }

    Game game_;
};

}  // namespace

bool game_large_text(int id) { return id >= IDC_GAME_FIRST_CELL && id <= IDC_GAME_LAST_CELL; }

std::unique_ptr<ToolWindow> make_game_window(HWND window) { return std::make_unique<GameWindow>(window); }

}  // namespace quivra
