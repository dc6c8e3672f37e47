// A winmm.dll planted beside the program, as in a Downloads folder, must not
// be loaded when a sound plays. Each load runs in a child process of its own:
// a module once loaded would answer every later load by name.
#include <windows.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "base/win/platform.h"

namespace {

std::filesystem::path own_folder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

std::filesystem::path mark() { return own_folder() / L"planted_winmm_loaded"; }

// Runs this program again to load winmm the given way; true when the planted one was loaded.
bool planted_dll_loaded(const std::wstring& way) {
    std::filesystem::remove(mark());
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(program) + L"\" --load " + way;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    WaitForSingleObject(process.hProcess, 60'000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return std::filesystem::exists(mark());
}

TEST(DllSearch, TheProgramsSoundLoadsWinmmFromTheSystemFolderOnly) {
    ASSERT_TRUE(std::filesystem::exists(own_folder() / L"winmm.dll")) << "the planted DLL is missing";
    EXPECT_FALSE(planted_dll_loaded(L"program"));
}

// Shows that the planted DLL would be found, so that the test above can fail.
TEST(DllSearch, APlainSearchLoadsThePlantedWinmm) { EXPECT_TRUE(planted_dll_loaded(L"plain")); }

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--load") {
        if (std::string(argv[2]) == "plain") {
            LoadLibraryW(L"winmm.dll");
        } else {
            quivra::load_libraries_from_the_system_folder_only();
            quivra::system_platform().play_sound(L"no such sound.wav");
        }
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
