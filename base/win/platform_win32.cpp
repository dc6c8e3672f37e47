// The real platform services.
#include "base/win/platform.h"

#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <iterator>

#include "base/shift_jis.h"
#include "base/win/system_minutes.h"
#include "base/win/text.h"
#include "base/win/name_box_ids.h"
#include "base/win/private_messages.h"

namespace quivra {
namespace {

constexpr wchar_t caption[] = L"Quivra";

// Sound, the common dialogs and the shell are loaded when first used, so that the
// launcher starts without them; from the system folder only, never from
// beside the program, where a stranger's download may lie.
template <class Function>
Function* library_function(const wchar_t* library, const char* name) {
    HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

// An empty card reader or optical drive must not make the system ask the
// user to insert a disk.
class QuietDriveErrors {
public:
    QuietDriveErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~QuietDriveErrors() { SetErrorMode(previous_); }

private:
    UINT previous_;
};

// The name box: what was typed when OK is pressed, in the result's string.
INT_PTR CALLBACK name_box_procedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(box, DWLP_USER, lparam);
        return TRUE;
    }
    if (message != WM_COMMAND || (wparam != IDOK && wparam != IDCANCEL)) return FALSE;
    if (wparam == IDOK)
        *reinterpret_cast<std::optional<std::string>*>(GetWindowLongPtrW(box, DWLP_USER)) = item_text(box, IDC_NAME_BOX_NAME);
    EndDialog(box, wparam);
    return TRUE;
}

std::wstring root_of(char letter) { return {wchar_t(letter), L':', L'\\'}; }

// Wine 8 has no SystemTimeToTzSpecificLocalTimeEx: a year's rules, read
// by the zone's key, serve both there and on Windows.
std::optional<TIME_ZONE_INFORMATION> zone_rules(std::wstring_view zone, WORD year) {
    DYNAMIC_TIME_ZONE_INFORMATION key{};
    if (zone.size() >= std::size(key.TimeZoneKeyName)) return std::nullopt;
    zone.copy(key.TimeZoneKeyName, zone.size());
    TIME_ZONE_INFORMATION rules{};
    if (!GetTimeZoneInformationForYear(year, &key, &rules)) return std::nullopt;
    return rules;
}

std::optional<SYSTEMTIME> local_by(const TIME_ZONE_INFORMATION& rules, const SYSTEMTIME& utc) {
    SYSTEMTIME local{};
    if (!SystemTimeToTzSpecificLocalTime(&rules, &utc, &local)) return std::nullopt;
    return local;
}

class Win32Platform final : public Platform {
public:
    void inform(HWND owner, std::string_view text) override {
        MessageBoxW(owner, widen(text).c_str(), caption, MB_OK | MB_ICONINFORMATION);
    }
    bool ask(HWND owner, std::string_view text) override {
        return MessageBoxW(owner, widen(text).c_str(), caption, MB_YESNO | MB_ICONINFORMATION) ==
               IDYES;
    }
    // Topmost too: where Windows refuses the foreground to a program in the
    // background, the box still stands above the user's work.
    void inform_in_front(HWND owner, std::string_view text) override {
        MessageBoxW(owner, widen(text).c_str(), caption,
                    MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
    }
    void flash(HWND window, bool on) override {
        DWORD how = on ? FLASHW_ALL | FLASHW_TIMER : FLASHW_STOP;
        FLASHWINFO flashing{sizeof flashing, window, how, 0, 0};
        FlashWindowEx(&flashing);
    }

    std::uint64_t monotonic_ms() override { return GetTickCount64(); }
    SYSTEMTIME local_time() override {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return now;
    }
    std::int64_t seconds_since_1970() override {
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        std::int64_t ticks = std::int64_t((std::uint64_t(now.dwHighDateTime) << 32) | now.dwLowDateTime);
        constexpr std::int64_t ticks_per_second = 10'000'000, seconds_1601_to_1970 = 11'644'473'600;
        return ticks / ticks_per_second - seconds_1601_to_1970;
    }

    std::optional<ZoneOffset> zone_offset(std::wstring_view zone, std::int64_t utc_minute) override {
        SYSTEMTIME utc = at_minute(utc_minute);
        auto rules = zone_rules(zone, utc.wYear);
        std::optional<SYSTEMTIME> local = rules ? local_by(*rules, utc) : std::nullopt;
        // Near New Year the local year's rules are the ones that hold.
        if (local && local->wYear != utc.wYear && (rules = zone_rules(zone, local->wYear)))
            local = local_by(*rules, utc);
        if (!local) return std::nullopt;
        std::int64_t ahead = minute_of(*local) - utc_minute;
        bool daylight = rules->DaylightBias != rules->StandardBias &&
                        ahead == -(rules->Bias + rules->DaylightBias);
        return ZoneOffset{ahead, daylight};
    }
    std::optional<std::int64_t> zone_universal_minute(std::wstring_view zone, std::int64_t local_minute) override {
        SYSTEMTIME local = at_minute(local_minute);
        auto rules = zone_rules(zone, local.wYear);
        SYSTEMTIME utc{};
        if (!rules || !TzSpecificLocalTimeToSystemTime(&*rules, &local, &utc)) return std::nullopt;
        // Wine reads a time the clock skips as daylight time; Windows, as standard.
        std::optional<SYSTEMTIME> back = local_by(*rules, utc);
        if (back && minute_of(*back) != local_minute) return local_minute + rules->Bias + rules->StandardBias;
        return minute_of(utc);
    }

    void beep(unsigned hertz, unsigned milliseconds) override { Beep(hertz, milliseconds); }
    void play_sound(const std::wstring& path) override {
        static auto* play = library_function<decltype(PlaySoundW)>(L"winmm.dll", "PlaySoundW");
        if (!play) return;
        if (path.empty()) play(reinterpret_cast<const wchar_t*>(SND_ALIAS_SYSTEMDEFAULT), nullptr, SND_ALIAS_ID | SND_ASYNC);
        else play(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }

    std::optional<std::string> ask_name(HWND owner, std::size_t max_bytes) override {
        std::optional<std::string> name;
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_NAME_BOX), owner, name_box_procedure,
                        reinterpret_cast<LPARAM>(&name));
        if (name) *name = std::string(cut_to_whole_characters(*name, max_bytes));
        return name;
    }

    std::optional<std::wstring> choose_file_to_open(HWND owner, std::wstring_view title,
                                                    std::wstring_view filter,
                                                    std::wstring_view extension) override {
        static auto* open = library_function<decltype(GetOpenFileNameW)>(L"comdlg32.dll",
                                                                         "GetOpenFileNameW");
        if (!open) return std::nullopt;
        std::wstring title_text(title), filter_text(filter), extension_text(extension);
        filter_text.push_back(L'\0');
        std::wstring file(32768, L'\0');
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = filter_text.c_str();
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = DWORD(file.size());
        dialog.lpstrTitle = title_text.c_str();
        dialog.lpstrDefExt = extension_text.c_str();
        dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
        if (!open(&dialog)) return std::nullopt;
        file.resize(file.find(L'\0'));
        return file;
    }

    void tray_icon(HWND window, std::string_view tip) override {
        static auto* notify = library_function<decltype(Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW");
        if (!notify) return;
        NOTIFYICONDATAW icon{};
        icon.cbSize = sizeof icon;
        icon.hWnd = window;
        icon.uID = 1;
        if (tip.empty()) {
            notify(NIM_DELETE, &icon);
            return;
        }
        icon.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
        icon.uCallbackMessage = WM_TRAY_NOTICE;
        icon.hIcon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
        wcsncpy(icon.szTip, widen(tip).c_str(), std::size(icon.szTip) - 1);
        if (!notify(NIM_MODIFY, &icon)) notify(NIM_ADD, &icon);
    }

    void open_document(HWND owner, const std::wstring& path) override {
        static auto* execute = library_function<decltype(ShellExecuteW)>(L"shell32.dll",
                                                                         "ShellExecuteW");
        if (execute) execute(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }

    WindowsVersion windows_version() override {
        OSVERSIONINFOW version{};
        version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        GetVersionExW(&version);
#pragma GCC diagnostic pop
        return {unsigned(version.dwPlatformId), unsigned(version.dwMajorVersion),
                unsigned(version.dwBuildNumber)};
    }
    std::uint32_t logical_drives() override { return GetLogicalDrives(); }
    unsigned drive_type(char letter) override { return GetDriveTypeW(root_of(letter).c_str()); }
    std::optional<DriveSpace> extended_free_space(char letter) override {
        QuietDriveErrors quiet;
        ULARGE_INTEGER available, total, free;
        if (!GetDiskFreeSpaceExW(root_of(letter).c_str(), &available, &total, &free))
            return std::nullopt;
        return DriveSpace{free.QuadPart, total.QuadPart};
    }
    std::optional<ClassicFreeSpace> classic_free_space(char letter) override {
        QuietDriveErrors quiet;
        DWORD sectors, bytes, free_clusters, total_clusters;
        if (!GetDiskFreeSpaceW(root_of(letter).c_str(), &sectors, &bytes, &free_clusters,
                               &total_clusters))
            return std::nullopt;
        return ClassicFreeSpace{sectors, bytes, free_clusters, total_clusters};
    }
    std::optional<VolumeInformation> volume_information(char letter) override {
        QuietDriveErrors quiet;
        wchar_t label[MAX_PATH + 1] = {}, file_system[MAX_PATH + 1] = {};
        if (!GetVolumeInformationW(root_of(letter).c_str(), label, MAX_PATH + 1, nullptr,
                                   nullptr, nullptr, file_system, MAX_PATH + 1))
            return std::nullopt;
        return VolumeInformation{narrow(label), narrow(file_system)};
    }
};

Win32Platform win32_platform;
Platform* current = &win32_platform;

}  // namespace

void load_libraries_from_the_system_folder_only() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }

Platform& platform() { return *current; }
Platform& system_platform() { return win32_platform; }
void use_platform(Platform& replacement) { current = &replacement; }

}  // namespace quivra
