// tarv.ini on disk: what is read at start decides whether it may be replaced at exit.
#include "base/win/settings_store.h"

#include <windows.h>

#include <cstdio>
#include <io.h>
#include <utility>

#include "base/settings_location.h"
#include "base/text_encoding.h"
#include "base/win/text.h"

namespace quivra {

namespace {

enum class Reading { read, missing, unreadable };

// A file that exists but could not be read keeps what the user saved in it.
bool file_may_be_replaced = true;

constexpr wchar_t file_name[] = L"tarv.ini";

// Where this run read its settings and writes them at exit.
std::wstring read_path, write_path;

std::wstring beside_program() { return program_directory() + file_name; }

// %APPDATA%\Quivra\tarv.ini; empty where the variable is missing.
std::wstring in_user_folder() {
    wchar_t folder[MAX_PATH];
    DWORD length = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::wstring(folder) + L"\\Quivra\\" + file_name;
}

bool exists(const std::wstring& path) { return !path.empty() && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Whether a new file can be made beside the program: the test leaves nothing behind.
bool program_folder_writable() {
    std::wstring probe = program_directory() + L"tarv.ini.new";
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

Reading read_file(const std::wstring& path, std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Reading::missing
                                                                              : Reading::unreadable;
    }
    static char buffer[1 << 16];
    DWORD got = 0;
    BOOL ok;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    if (ok) return Reading::read;
    bytes.clear();
    return Reading::unreadable;
}

std::string shift_jis_from_utf16(std::u16string_view text) {
    return narrow(std::wstring(text.begin(), text.end()));
}

bool is_read_only(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

std::wstring program_path() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path;
}

std::wstring program_directory() {
    const std::wstring path = program_path();
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

bool load_settings(Settings& settings) {
    settings = Settings{};
    const std::wstring beside = beside_program(), user = in_user_folder();
    SettingsFiles files = settings_files({program_folder_writable(), exists(beside), is_read_only(beside), exists(user)});
    if (user.empty()) files = {SettingsFile::beside_program, SettingsFile::beside_program};
    read_path = files.read == SettingsFile::beside_program ? beside : user;
    write_path = files.write == SettingsFile::beside_program ? beside : user;
    std::string bytes;
    Reading reading = read_file(read_path, bytes);
    file_may_be_replaced = reading != Reading::unreadable;
    read_settings(settings, as_shift_jis(std::move(bytes), shift_jis_from_utf16));
    validate_positions(settings.windows, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return reading == Reading::read;
}

void save_settings(const Settings& settings) {
    if (!file_may_be_replaced) return;
    if (write_path != beside_program())
        CreateDirectoryW(write_path.substr(0, write_path.find_last_of(L'\\')).c_str(), nullptr);
    replace_file(write_path, settings_file_text(settings));
}

bool replace_file(const std::wstring& path, std::string_view bytes) {
    // Moving over a read-only file would clear the mark the user set.
    if (is_read_only(path)) return false;
    std::wstring temporary = path + L".new";
    FILE* file = _wfopen(temporary.c_str(), L"wb");
    if (!file) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fflush(file) == 0 && _commit(_fileno(file)) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (written && MoveFileExW(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

}  // namespace quivra
