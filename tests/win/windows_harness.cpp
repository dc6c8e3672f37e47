#include "tests/win/windows_harness.h"

#include <fstream>
#include <iterator>

#include "app/frame.h"
#include "app/launcher.h"
#include "app/message_loop.h"
#include "app/running_flags.h"
#include "app/settings_store.h"
#include "app/text.h"

namespace quivra::testing {

void FakePlatform::inform(HWND, std::string_view text) { shown.emplace_back(text); }

bool FakePlatform::ask(HWND, std::string_view text) {
    shown.emplace_back(text);
    EXPECT_FALSE(answers.empty()) << "unexpected question: " << text;
    if (answers.empty()) return false;
    bool yes = answers.front();
    answers.pop_front();
    return yes;
}

void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT) dispatch(message);
}

void click(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    ASSERT_NE(button, nullptr) << "no control " << id;
    SendMessageW(button, BM_CLICK, 0, 0);
    pump();
}

void choose_menu(HWND window, int id) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    pump();
}

std::string text_of(HWND dialog, int id) { return item_text(dialog, id); }

RECT outer_rect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

int screen_width() { return GetSystemMetrics(SM_CXSCREEN); }
int screen_height() { return GetSystemMetrics(SM_CYSCREEN); }

std::filesystem::path settings_file() {
    return std::filesystem::path(program_directory()) / L"tarv.ini";
}

std::string read_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write_bytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

void WindowTest::SetUp() {
    static bool controls_ready = (initialise_common_controls(), true);
    (void)controls_ready;
    use_platform(fake);
    std::filesystem::remove(settings_file());
    settings = Settings{};
    running_flags = RunningFlags{};
}

void WindowTest::TearDown() {
    for (HWND& window : tool_windows) {
        if (window && IsWindow(window)) DestroyWindow(window);
        window = nullptr;
    }
    pump();
    std::filesystem::remove(settings_file());
}

HWND WindowTest::launcher() {
    launcher_window = create_launcher();
    pump();
    return launcher_window;
}

HWND WindowTest::open(int command, int position) {
    if (!launcher_window) launcher();
    click(launcher_window, command);
    return tool_windows[position];
}

}  // namespace quivra::testing
