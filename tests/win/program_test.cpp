// The real program as a user starts it, the files beside it and the system under the tests.
#include <cstdlib>
#include <filesystem>

#include "app/launcher.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

namespace fs = std::filesystem;

// The window tests run once per system code page; this proves which one.
TEST(CodePage, IsTheOneThisRunIsFor) {
    const char* wanted = std::getenv("QUIVRA_CODE_PAGE");
    if (!wanted) GTEST_SKIP() << "QUIVRA_CODE_PAGE not set";
    EXPECT_EQ(GetACP(), std::stoul(wanted)) << "is the locale this run asks for generated?";
}

TEST(GameSounds, LieBesideTheBuiltProgramAsSmallPcmWaves) {
    for (const char* name : {"ok.wav", "error.wav"}) {
        std::string bytes = read_bytes(built_program().parent_path() / name);
        ASSERT_GT(bytes.size(), 44u) << name;
        EXPECT_EQ(bytes.substr(0, 4) + bytes.substr(8, 8), "RIFFWAVEfmt ");
        EXPECT_EQ(bytes[20], 1) << name << " is not plain PCM";
        EXPECT_LT(bytes.size(), 64'000u);
    }
}

// Starts the program in its own folder, as a double click would.
HANDLE start(const fs::path& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring command = L"\"" + program.wstring() + L"\"";
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        program.parent_path().c_str(), &startup, &info))
        return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
}

// The exit code, or -1 if it is still running after the wait (then it is ended).
long exit_code(HANDLE process, DWORD wait_ms) {
    DWORD code = DWORD(-1);
    if (WaitForSingleObject(process, wait_ms) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
    else TerminateProcess(process, code);
    CloseHandle(process);
    return long(code);
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

    HANDLE first = start(folder / L"quivra.exe");
    ASSERT_NE(first, nullptr);
    HWND launcher = nullptr;
    for (int tries = 0; tries < 300 && !launcher; ++tries, Sleep(50)) launcher = FindWindowW(nullptr, version_title);
    ASSERT_NE(launcher, nullptr);

    HANDLE second = start(folder / L"quivra.exe");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(exit_code(second, 15000), 0);
    EXPECT_EQ(launcher_count(), 1);

    PostMessageW(launcher, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(exit_code(first, 15000), 0);
    std::string file = read_bytes(folder / L"tarv.ini");
    EXPECT_TRUE(file.starts_with("dlg00_left="));
    EXPECT_TRUE(file.ends_with("\r\nrate15=1453\r\nPASSCODE=0000000000\r\n"));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace quivra::testing
