// Drives real dialogs as a user would, and stands in for the platform
// services whose answers a test must choose.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/settings.h"
#include "base/win/frame_ids.h"
#include "base/win/private_messages.h"
#include "base/win/platform.h"

namespace quivra::testing {

// Records what the program asked of the platform and answers as the test
// says. Time stands still until the test moves it.
class FakePlatform final : public Platform {
public:
    void inform(HWND owner, std::string_view text) override;
    bool ask(HWND owner, std::string_view text) override;
    void inform_in_front(HWND owner, std::string_view text) override {
        in_front.emplace_back(text);
        inform(owner, text);
    }
    void flash(HWND window, bool on) override { flashes.push_back({window, on}); }
    std::optional<std::string> ask_name(HWND, std::size_t max_bytes) override {
        std::optional<std::string> name = names.empty() ? std::nullopt : names.front();
        if (!names.empty()) names.pop_front();
        return name ? std::optional(name->substr(0, max_bytes)) : name;
    }
    std::uint64_t monotonic_ms() override { return now_ms; }
    SYSTEMTIME local_time() override { return local; }
    std::int64_t seconds_since_1970() override { return epoch_seconds; }
    std::optional<ZoneOffset> zone_offset(std::wstring_view zone, std::int64_t utc_minute) override {
        return system_zones ? system_platform().zone_offset(zone, utc_minute) : std::nullopt;
    }
    std::optional<std::int64_t> zone_universal_minute(std::wstring_view zone, std::int64_t local_minute) override {
        return system_zones ? system_platform().zone_universal_minute(zone, local_minute) : std::nullopt;
    }
    void beep(unsigned hertz, unsigned milliseconds) override { beeps.push_back({hertz, milliseconds}); }
    void play_sound(const std::wstring& path) override { sounds.push_back(path); }
    std::optional<std::wstring> choose_file_to_open(HWND, std::wstring_view, std::wstring_view,
                                                    std::wstring_view extension) override {
        file_extensions.emplace_back(extension);
        return chosen_file;
    }
    void open_document(HWND, const std::wstring& path) override { opened.push_back(path); }
    void tray_icon(HWND, std::string_view tip) override { tray_tip = tip; }
    WindowsVersion windows_version() override { return version; }
    std::uint32_t logical_drives() override;
    unsigned drive_type(char letter) override { return drive(letter).type; }
    std::optional<DriveSpace> extended_free_space(char letter) override { return drive(letter).extended; }
    std::optional<ClassicFreeSpace> classic_free_space(char letter) override { return drive(letter).classic; }
    std::optional<VolumeInformation> volume_information(char letter) override { return drive(letter).volume; }

    std::vector<std::string> shown;   // every message and question, in order
    std::vector<std::string> in_front;  // the messages of shown that came to the front
    std::vector<std::pair<HWND, bool>> flashes;  // every flash started (true) or stopped
    std::deque<bool> answers;         // what the user answers to questions
    std::deque<std::optional<std::string>> names;  // what the user names things; empty cancels
    // Runs while a box is up, as a modeless window's timer or the user's
    // click elsewhere would; cleared before it runs.
    std::function<void()> while_box_is_up;

    std::uint64_t now_ms = 1'000'000;
    SYSTEMTIME local{2026, 12, 1, 7, 12, 0, 0, 0};
    std::int64_t epoch_seconds = 1'796'601'600;

    struct Beep { unsigned hertz, milliseconds; };
    std::vector<Beep> beeps;
    std::vector<std::wstring> sounds;
    std::vector<std::wstring> file_extensions;   // the default extension of every file-open dialog shown
    std::optional<std::wstring> chosen_file;     // what the user picks; empty cancels
    std::vector<std::wstring> opened;            // every document handed to the shell
    std::string tray_tip;                        // the notification area's icon's tip; empty: no icon

    // Every zone is unknown, so the table's hours show, unless the system's own database answers.
    bool system_zones = false;

    struct Drive {
        unsigned type = DRIVE_FIXED;
        std::optional<DriveSpace> extended;
        std::optional<ClassicFreeSpace> classic;
        std::optional<VolumeInformation> volume;
    };
    WindowsVersion version{2, 10, 19045};
    std::map<char, Drive> drives;

private:
    Drive drive(char letter) const {
        auto found = drives.find(letter);
        return found == drives.end() ? Drive{DRIVE_NO_ROOT_DIR, {}, {}, {}} : found->second;
    }
};

// Runs whatever messages are waiting, as the program's loop would.
void pump();

// A click on a button, the way the button itself reports it.
void click(HWND dialog, int id);
// A choice from a window's menu bar.
void choose_menu(HWND window, int id);

std::string text_of(HWND dialog, int id);
inline bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

std::filesystem::path settings_file();   // tarv.ini beside the test program
std::string read_bytes(const std::filesystem::path& path);
void write_bytes(const std::filesystem::path& path, std::string_view bytes);
// Whether tarv.ini holds `line` (with its line ends).
bool saved(std::string_view line);
// quivra.exe as the build made it; under Wine the build names a Unix path.
std::filesystem::path built_program();

// Each test starts with no tarv.ini, no open window and fresh settings,
// and the fake platform in place.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Opens the launcher and returns it.
    HWND launcher();
    // Presses a launcher button and returns its tool's window.
    HWND open(int command);
    // Closes a tool through its menu and opens it again from its button.
    HWND reopen(HWND tool, int command);
    // Exits through the launcher and starts again from what tarv.ini holds.
    HWND restart();
    // What the launcher keeps for tarv.ini; opens it first if need be.
    Settings& kept();

    FakePlatform fake;
    HWND launcher_window = nullptr;
};

// The open tool window that has a control `id`; null when none has.
HWND tool_window_with(int id);
// The program's window with this caption; null when none has it.
HWND window_titled(std::string_view caption);
// Runs `act` inside the next modal loop, such as an editor's, once it is up.
void during_next_modal(std::function<void()> act);

// Every row of a drop-down list, in order.
std::vector<std::string> drop_down_rows(HWND dialog, int id);

// Every line of a list box, in order.
std::vector<std::string> list_lines(HWND dialog, int id);

// A moment for a picker, to the hour.
inline SYSTEMTIME moment(WORD year, WORD month, WORD day, WORD hour = 0) {
    return {year, month, 0, day, hour, 0, 0, 0};
}

// A date or time picker set as the user would set it.
void set_picker(HWND dialog, int id, SYSTEMTIME time);

}  // namespace quivra::testing
