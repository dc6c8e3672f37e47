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

const std::string kept_file = "dlg00_left=40\r\ndlg00_top=30\r\nlen_def=2\r\nPASSCODE=1\r\n";

std::ptrdiff_t files_beside_the_settings() {
    fs::path folder = settings_file().parent_path();
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

TEST_F(SettingsStoreTest, AFileLockedAtExitIsLeftWholeWithNoLeftoversOrBox) {
    write_bytes(settings_file(), kept_file);
    HWND l = launcher();
    const std::ptrdiff_t files = files_beside_the_settings();
    {
        LockedFile lock(settings_file());
        ASSERT_TRUE(lock.held());
        choose_menu(l, IDM_EXIT);
    }
    EXPECT_FALSE(IsWindow(l));
    EXPECT_TRUE(fake.shown.empty());
    EXPECT_EQ(read_bytes(settings_file()), kept_file);
    EXPECT_EQ(files_beside_the_settings(), files);
}

TEST_F(SettingsStoreTest, AFileHeldByAnotherProgramAtStartIsLeftAsItWasAtExit) {
    write_bytes(settings_file(), kept_file);
    HWND l;
    {
        LockedFile lock(settings_file());
        ASSERT_TRUE(lock.held());
        l = launcher();
    }
    RECT r = outer_rect(l);
    EXPECT_EQ(Position(r.left, r.top),
              centred_position(r.right - r.left, r.bottom - r.top, screen_width(), screen_height()));
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
    std::string bytes = "\xFF\xFE";
    for (char16_t c : std::u16string_view(u"tmsg=お茶の時間\r\nlen_def=2\r\n"))
        bytes += {char(c & 0xFF), char(c >> 8)};
    write_bytes(settings_file(), bytes);
    launcher();
    EXPECT_EQ(settings.tmsg.at_startup, "お茶の時間");
    choose_menu(launcher_window, IDM_EXIT);
    std::string file = read_bytes(settings_file());
    EXPECT_TRUE(file.starts_with("dlg00_left="));
    EXPECT_NE(file.find("\r\ntmsg=お茶の時間\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nlen_def=2\r\n"), std::string::npos);
}

}  // namespace
}  // namespace quivra::testing
