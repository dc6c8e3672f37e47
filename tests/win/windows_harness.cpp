#include "tests/win/windows_harness.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <utility>

#include <commctrl.h>

#include "app/launcher.h"
#include "base/win/frame.h"
#include "app/tool_table.h"
#include "base/win/message_loop.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/launcher_ids.h"

namespace quivra::testing {

void FakePlatform::inform(HWND, std::string_view text) {
    shown.emplace_back(text);
    if (auto now = std::exchange(while_box_is_up, nullptr)) now();
}

bool FakePlatform::ask(HWND owner, std::string_view text) {
    inform(owner, text);
    EXPECT_FALSE(answers.empty()) << "unexpected question: " << text;
    if (answers.empty()) return false;
    bool yes = answers.front();
    answers.pop_front();
    return yes;
}

std::uint32_t FakePlatform::logical_drives() {
    std::uint32_t mask = 0;
    for (const auto& [letter, drive] : drives) mask |= 1u << (letter - 'A');
    return mask;
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

// Every dialog of the program: the launcher, the tools and any box, all on the test's own thread.
std::vector<HWND> top_level_windows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) {
        wchar_t name[16]{};
        GetClassNameW(window, name, 16);
        if (std::wstring_view(name) == L"#32770") reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND tool_window_with(int id) {
    for (HWND window : top_level_windows())
        if (IsWindowVisible(window) && GetDlgItem(window, id)) return window;
    return nullptr;
}

HWND window_titled(std::string_view caption) {
    for (HWND window : top_level_windows())
        if (window_text(window) == caption) return window;
    return nullptr;
}

namespace {

// A window that runs what is posted to it, so that a test's step runs inside a modal loop.
LRESULT CALLBACK step_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message != WM_APP) return DefWindowProcW(window, message, wparam, lparam);
    std::unique_ptr<std::function<void()>> act(reinterpret_cast<std::function<void()>*>(lparam));
    (*act)();
    return 0;
}

HWND step_window() {
    static HWND window = [] {
        WNDCLASSW steps{};
        steps.lpfnWndProc = step_procedure;
        steps.hInstance = GetModuleHandleW(nullptr);
        steps.lpszClassName = L"QuivraTestSteps";
        RegisterClassW(&steps);
        return CreateWindowW(L"QuivraTestSteps", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    }();
    return window;
}

}  // namespace

void during_next_modal(std::function<void()> act) {
    PostMessageW(step_window(), WM_APP, 0, reinterpret_cast<LPARAM>(new std::function<void()>(std::move(act))));
}

std::vector<std::string> drop_down_rows(HWND dialog, int id) {
    std::vector<std::string> rows;
    const LRESULT count = SendDlgItemMessageW(dialog, id, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring row(std::size_t(SendDlgItemMessageW(dialog, id, CB_GETLBTEXTLEN, WPARAM(i), 0)), L'\0');
        SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(row.data()));
        rows.push_back(narrow(row));
    }
    return rows;
}

std::string text_of(HWND dialog, int id) { return item_text(dialog, id); }

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

bool saved(std::string_view line) { return read_bytes(settings_file()).find(line) != std::string::npos; }

std::filesystem::path built_program() {
    std::string path = std::getenv("QUIVRA_EXE") ? std::getenv("QUIVRA_EXE") : "";
    if (path.starts_with('/')) path = "Z:" + path;
    return std::filesystem::path(path).make_preferred();
}

void WindowTest::SetUp() {
    use_platform(fake);
    std::filesystem::remove(settings_file());
}

void WindowTest::TearDown() {
    for (HWND window : top_level_windows())
        if (IsWindow(window) && window != launcher_window) DestroyWindow(window);
    if (launcher_window && IsWindow(launcher_window)) DestroyWindow(launcher_window);
    pump();
    std::filesystem::remove(settings_file());
}

HWND WindowTest::launcher() {
    launcher_window = create_launcher();
    pump();
    return launcher_window;
}

HWND WindowTest::open(int command) {
    if (!launcher_window) launcher();
    click(launcher_window, command);
    const Tool* tool = tool_for_command(command);
    EXPECT_NE(tool, nullptr) << "no tool for command " << command;
    return tool ? tool_window(*tool) : nullptr;
}

HWND WindowTest::reopen(HWND tool, int command) {
    choose_menu(tool, IDM_EXIT);
    return open(command);
}

HWND WindowTest::restart() {
    choose_menu(launcher_window, IDM_EXIT);
    launcher_window = nullptr;
    return launcher();
}

Settings& WindowTest::kept() {
    if (!launcher_window) launcher();
    return launcher_settings(launcher_window);
}

std::vector<std::string> list_lines(HWND dialog, int id) {
    std::vector<std::string> lines;
    HWND list = GetDlgItem(dialog, id);
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring line(std::size_t(SendMessageW(list, LB_GETTEXTLEN, WPARAM(i), 0)), L'\0');
        SendMessageW(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(line.data()));
        lines.push_back(narrow(line));
    }
    return lines;
}

void set_picker(HWND dialog, int id, SYSTEMTIME time) {
    SendDlgItemMessageW(dialog, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}


}  // namespace quivra::testing
