// The real program, started as a user starts it.
#include <cstdlib>
#include <filesystem>

#include "app/launcher.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

namespace fs = std::filesystem;

// The build hands over the program's path; under Wine it is a Unix path.
fs::path built_program() {
    std::string path = std::getenv("QUIVRA_EXE") ? std::getenv("QUIVRA_EXE") : "";
    if (path.starts_with('/')) path = "Z:" + path;
    return fs::path(path).make_preferred();
}

class Process {
public:
    explicit Process(const fs::path& program) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + program.wstring() + L"\"";
        started_ = CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  program.parent_path().c_str(), &startup, &info_);
    }
    ~Process() {
        if (!started_) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    bool started() const { return started_; }
    // The exit code, or -1 if it is still running after the wait.
    long exit_code(DWORD wait_ms) const {
        if (WaitForSingleObject(info_.hProcess, wait_ms) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return long(code);
    }

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

HWND wait_for_launcher() {
    for (int tries = 0; tries < 300; ++tries) {
        if (HWND l = FindWindowW(nullptr, version_title)) return l;
        Sleep(50);
    }
    return nullptr;
}

int launcher_count() {
    int count = 0;
    EnumWindows([](HWND w, LPARAM n) {
        wchar_t title[32] = {};
        GetWindowTextW(w, title, 32);
        if (std::wstring_view(title) == version_title) ++*reinterpret_cast<int*>(n);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(Program, RunsOnceAndItsExitWritesTheWholeSettingsFile) {
    ASSERT_TRUE(fs::exists(built_program())) << built_program();
    // A folder name outside Shift-JIS: the program must still find its file.
    fs::path folder = fs::temp_directory_path() / L"Quivra \u00fc\u00e9";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(built_program(), folder / L"quivra.exe");

    Process first(folder / L"quivra.exe");
    ASSERT_TRUE(first.started());
    HWND launcher = wait_for_launcher();
    ASSERT_NE(launcher, nullptr);

    Process second(folder / L"quivra.exe");
    ASSERT_TRUE(second.started());
    EXPECT_EQ(second.exit_code(15000), 0);
    EXPECT_EQ(launcher_count(), 1);

    PostMessageW(launcher, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(first.exit_code(15000), 0);
    std::string file = read_bytes(folder / L"tarv.ini");
    EXPECT_TRUE(file.starts_with("dlg00_left="));
    EXPECT_TRUE(file.ends_with("\r\nrate15=1453\r\nPASSCODE=0000000000\r\n"));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace quivra::testing
