// Drives real dialogs as a user would, and stands in for the platform
// services whose answers a test must choose.
#pragma once

#include <windows.h>

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/platform.h"

namespace quivra::testing {

class FakePlatform final : public Platform {
public:
    void inform(HWND owner, std::string_view text) override;
    bool ask(HWND owner, std::string_view text) override;

    std::vector<std::string> shown;   // every message and question, in order
    std::deque<bool> answers;         // what the user answers to questions
};

// Runs whatever messages are waiting, as the program's loop would.
void pump();

// A click on a button, the way the button itself reports it.
void click(HWND dialog, int id);
// A choice from a window's menu bar.
void choose_menu(HWND window, int id);

std::string text_of(HWND dialog, int id);
RECT outer_rect(HWND window);
int screen_width();
int screen_height();

std::filesystem::path settings_file();   // tarv.ini beside the test program
std::string read_bytes(const std::filesystem::path& path);
void write_bytes(const std::filesystem::path& path, std::string_view bytes);

// Each test starts with no tarv.ini, no open window and fresh settings,
// and the fake platform in place.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Opens the launcher and returns it.
    HWND launcher();
    // Presses a launcher button and returns the tool window it opened.
    HWND open(int command, int position);

    FakePlatform fake;
    HWND launcher_window = nullptr;
};

}  // namespace quivra::testing
