#include <filesystem>

#include "base/win/settings_store.h"
#include "res/shell_ids.h"
#include "tests/win/windows_harness.h"

namespace quivra::testing {
namespace {

namespace fs = std::filesystem;

using SettingsStoreTest = WindowTest;

// Held open without sharing, as another program might hold it.
class LockedFile {
public:
    explicit LockedFile(const fs::path& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~LockedFile() { CloseHandle(handle_); }
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

fs::path scratch_directory(const wchar_t* name) {
    fs::path directory = fs::temp_directory_path() / name;
    fs::remove_all(directory);
    fs::create_directories(directory);
    return directory;
}

TEST_F(SettingsStoreTest, ANameOutsideShiftJisStillGetsItsFile) {
    fs::path file = scratch_directory(L"Quivra \u00fc\u00e9 \u4f60") / L"tarv.ini";  // not in CP932
    EXPECT_TRUE(replace_file(file.wstring(), "len_def=3\r\n"));
    EXPECT_EQ(read_bytes(file), "len_def=3\r\n");
    EXPECT_TRUE(replace_file(file.wstring(), "len_def=4\r\n"));
    EXPECT_EQ(read_bytes(file), "len_def=4\r\n");
    fs::remove_all(file.parent_path());
}

TEST_F(SettingsStoreTest, AFailedWriteLeavesTheOldFileWholeAndNoLeftovers) {
    fs::path directory = scratch_directory(L"quivra-locked");
    fs::path file = directory / L"tarv.ini";
    write_bytes(file, "len_def=3\r\n");
    {
        LockedFile lock(file);
        ASSERT_TRUE(lock.held());
        EXPECT_FALSE(replace_file(file.wstring(), "len_def=4\r\n"));
    }
    EXPECT_EQ(read_bytes(file), "len_def=3\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator()), 1);
    fs::remove_all(directory);
}

TEST_F(SettingsStoreTest, TheLauncherSilentlyKeepsAnUnwritableSettingsFile) {
    const std::string old = "dlg00_left=40\r\ndlg00_top=30\r\nlen_def=2\r\n";
    write_bytes(settings_file(), old);
    HWND l = launcher();
    {
        LockedFile lock(settings_file());
        ASSERT_TRUE(lock.held());
        choose_menu(l, IDM_EXIT);
    }
    EXPECT_FALSE(IsWindow(l));
    EXPECT_TRUE(fake.shown.empty());
    EXPECT_EQ(read_bytes(settings_file()), old);
}

}  // namespace
}  // namespace quivra::testing
