// tarv.ini on disk, read and replaced by the real file functions.
#include <filesystem>
#include <optional>

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

bool read_only() { return GetFileAttributesW(settings_file().c_str()) & FILE_ATTRIBUTE_READONLY; }

TEST_F(SettingsStoreTest, AFileLockedOrReadOnlyIsLeftWholeWithNoLeftoversOrBox) {
    const std::string kept_file = "dlg00_left=40\r\ndlg00_top=30\r\nlen_def=2\r\nPASSCODE=1\r\n";
    enum Hold { locked_at_start, locked_at_exit, marked_read_only };
    for (Hold hold : {locked_at_start, locked_at_exit, marked_read_only}) {
        SCOPED_TRACE(int(hold));
        settings = Settings{};
        fake.shown.clear();
        write_bytes(settings_file(), kept_file);
        const auto files = std::distance(fs::directory_iterator(settings_file().parent_path()), {});
        if (hold == marked_read_only) SetFileAttributesW(settings_file().c_str(), FILE_ATTRIBUTE_READONLY);
        std::optional<LockedFile> lock;
        if (hold == locked_at_start) lock.emplace(settings_file());
        HWND l = launcher();
        lock.reset();
        EXPECT_EQ(is_centred(l), hold == locked_at_start) << "only a file that was read places it";
        EXPECT_EQ(settings.len_def.at_startup, hold == locked_at_start ? 0 : 2);
        if (hold == locked_at_exit) {
            EXPECT_TRUE(lock.emplace(settings_file()).held());
        }
        choose_menu(l, IDM_EXIT);
        lock.reset();
        EXPECT_FALSE(IsWindow(l));
        EXPECT_TRUE(fake.shown.empty());
        EXPECT_EQ(read_bytes(settings_file()), kept_file);
        EXPECT_EQ(std::distance(fs::directory_iterator(settings_file().parent_path()), {}), files);
        EXPECT_EQ(read_only(), hold == marked_read_only);
        SetFileAttributesW(settings_file().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(SettingsStoreTest, AUtf16FileKeepsItsValuesAndComesBackAsShiftJis) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : std::u16string_view(u"tmsg=お茶の時間\r\nlen_def=2\r\n"))
        bytes += {char(c & 0xFF), char(c >> 8)};
    write_bytes(settings_file(), bytes);
    launcher();
    EXPECT_EQ(settings.tmsg.at_startup, "お茶の時間");
    choose_menu(launcher_window, IDM_EXIT);
    EXPECT_TRUE(read_bytes(settings_file()).starts_with("dlg00_left="));
    EXPECT_TRUE(saved("\r\ntmsg=お茶の時間\r\n"));
    EXPECT_TRUE(saved("\r\nlen_def=2\r\n"));
}

}  // namespace
}  // namespace quivra::testing
