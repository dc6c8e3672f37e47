// The platform services a test must be able to answer for itself: boxes,
// clocks, sounds, the file-open dialog, the shell, drive queries and the seed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/drive_space.h"
#include "base/zone_offset.h"

namespace quivra {

struct WindowsVersion {
    unsigned platform_id = 0;  // 1: the Windows 95 family, 2: the NT family
    unsigned major = 0;
    unsigned build = 0;
};


// What the classic free-space query answers: 32-bit counts.
struct ClassicFreeSpace {
    std::uint32_t sectors_per_cluster = 0;
    std::uint32_t bytes_per_sector = 0;
    std::uint32_t free_clusters = 0;
    std::uint32_t total_clusters = 0;
};

// CP932 text, as the narrow query returns it.
struct VolumeInformation {
    std::string label;
    std::string file_system;
};

class Platform {
public:
    virtual ~Platform() = default;

    // A message with an OK button and the information icon, caption "Quivra".
    virtual void inform(HWND owner, std::string_view cp932_text) = 0;
    // A Yes/No question with the information icon; true for Yes.
    virtual bool ask(HWND owner, std::string_view cp932_text) = 0;
    // inform(), but in front of every other window, even while its owner
    // is minimised or behind others; the owner stays as it is.
    virtual void inform_in_front(HWND owner, std::string_view cp932_text) = 0;
    // The name box (template 37): the name the user gives what is being
    // registered, as Shift-JIS cut to `max_bytes`; empty when cancelled.
    virtual std::optional<std::string> ask_name(HWND owner, std::size_t max_bytes) = 0;
    // Flashes the window's caption and taskbar button from `on` until
    // called again with off.
    virtual void flash(HWND window, bool on) = 0;

    // Milliseconds from an arbitrary start; never goes back, unaffected by
    // changes of the system clock. Every elapsed time is measured with it.
    virtual std::uint64_t monotonic_ms() = 0;
    virtual SYSTEMTIME local_time() = 0;
    // For seeding the game's shuffle.
    virtual std::int64_t seconds_since_1970() = 0;

    // A zone of the system's time-zone database, named by its key ("Tokyo
    // Standard Time"), by its rules for the year in question, at a moment
    // given in whole minutes since 1601 (as FILETIME counts); each empty
    // when the system has no such zone.
    virtual std::optional<ZoneOffset> zone_offset(std::wstring_view zone, std::int64_t utc_minute) = 0;
    // The UTC minute at which the zone's clock reads `local_minute`. A local
    // time the clock skips is read as standard time, one it shows twice as
    // daylight time, as Windows reads them.
    virtual std::optional<std::int64_t> zone_universal_minute(std::wstring_view zone, std::int64_t local_minute) = 0;

    virtual void beep(unsigned hertz, unsigned milliseconds) = 0;
    // Plays a WAVE file once, asynchronously, replacing any sound still
    // playing; silent (no default sound) when the file cannot be played.
    // An empty path plays the system's default sound.
    virtual void play_sound(const std::wstring& path) = 0;

    // The file-open dialog: `filter` is pairs of NUL-terminated strings;
    // `extension` (no dot) is added to a name typed without one; the
    // chosen file must exist; the current directory stays as it was.
    // Empty when the user cancels.
    virtual std::optional<std::wstring> choose_file_to_open(HWND owner, std::wstring_view title,
                                                            std::wstring_view filter,
                                                            std::wstring_view extension) = 0;

    // The notification area's icon of `window`, with its tip; none when the
    // tip is empty. Clicks come to the window as WM_TRAY_NOTICE, the mouse
    // message in lParam.
    virtual void tray_icon(HWND window, std::string_view cp932_tip) = 0;

    // Opens a file in the program the user has chosen for its kind, as a
    // double click would; nothing is reported when it cannot.
    virtual void open_document(HWND owner, const std::wstring& path) = 0;

    virtual WindowsVersion windows_version() = 0;
    // Bit k set: drive 'A' + k is present.
    virtual std::uint32_t logical_drives() = 0;
    // The platform's drive type code of a root such as "C:\".
    virtual unsigned drive_type(char letter) = 0;
    // Each empty when the query fails (a drive with no medium, say). The
    // queries never make the system put up a box of its own.
    virtual std::optional<DriveSpace> extended_free_space(char letter) = 0;
    virtual std::optional<ClassicFreeSpace> classic_free_space(char letter) = 0;
    virtual std::optional<VolumeInformation> volume_information(char letter) = 0;
};

Platform& platform();
// Tests put their own in place; production uses the real one.
void use_platform(Platform& replacement);
// The real services, whatever is in place.
Platform& system_platform();

// Called first thing at start: every DLL loaded later, by the program or by
// a system DLL on its behalf, comes from the system folder.
void load_libraries_from_the_system_folder_only();

}  // namespace quivra
