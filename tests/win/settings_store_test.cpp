// tarv.ini on disk, read and replaced by the real file functions.
#include <filesystem>

#include "base/centring.h"
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

// Marks a file read-only for as long as it lives, so no test leaves one behind.
class ReadOnlyMark {
public:
    explicit ReadOnlyMark(const fs::path& path) : path_(path) {
        SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_READONLY);
    }
    ~ReadOnlyMark() { SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL); }
    bool set() const { return GetFileAttributesW(path_.c_str()) & FILE_ATTRIBUTE_READONLY; }

private:
    fs::path path_;
};

bool is_centred(HWND window) {
    RECT r = outer_rect(window);
    Position centre = centred_position(r.right - r.left, r.bottom - r.top, screen_width(), screen_height());
    return r.left == centre.left && r.top == centre.top;
}

const std::string kept_file = "dlg00_left=40\r\ndlg00_top=30\r\nlen_def=2\r\nPASSCODE=1\r\n";

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

TEST_F(SettingsStoreTest, AFileHeldByAnotherProgramAtStartIsLeftAsItWasAtExit) {
    write_bytes(settings_file(), kept_file);
    HWND l;
    {
        LockedFile lock(settings_file());
        ASSERT_TRUE(lock.held());
        l = launcher();
    }
    EXPECT_TRUE(is_centred(l));
    EXPECT_EQ(settings.len_def.at_startup, 0);
    click(l, IDC_OPEN_LENGTH);
    choose_menu(l, IDM_EXIT);
    EXPECT_FALSE(IsWindow(l));
    EXPECT_TRUE(fake.shown.empty());
    EXPECT_EQ(read_bytes(settings_file()), kept_file);
}

TEST_F(SettingsStoreTest, AReadOnlyFileIsReadAndLeftAsItIs) {
    write_bytes(settings_file(), kept_file);
    ReadOnlyMark mark(settings_file());
    ASSERT_TRUE(mark.set());
    HWND l = launcher();
    EXPECT_EQ(outer_rect(l).left, 40);
    EXPECT_EQ(settings.len_def.at_startup, 2);
    choose_menu(l, IDM_EXIT);
    EXPECT_FALSE(IsWindow(l));
    EXPECT_TRUE(fake.shown.empty());
    EXPECT_EQ(read_bytes(settings_file()), kept_file);
    EXPECT_TRUE(mark.set());
}

TEST_F(SettingsStoreTest, AUtf16FileKeepsItsValuesAndComesBackAsShiftJis) {
    std::u16string text = u"tmsg=お茶の時間\r\nlen_def=2\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) bytes += {char(c & 0xFF), char(c >> 8)};
    write_bytes(settings_file(), bytes);
    HWND l = launcher();
    EXPECT_EQ(settings.tmsg.at_startup, "お茶の時間");
    choose_menu(l, IDM_EXIT);
    std::string file = read_bytes(settings_file());
    EXPECT_TRUE(file.starts_with("dlg00_left="));
    EXPECT_NE(file.find("\r\ntmsg=お茶の時間\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nlen_def=2\r\n"), std::string::npos);
}

}  // namespace
}  // namespace quivra::testing
