#include "base/win/settings_store.h"

#include <windows.h>

#include <cstdio>
#include <io.h>

namespace quivra {

Settings settings;

namespace {

std::wstring settings_path() { return program_directory() + L"tarv.ini"; }

bool read_file(const std::wstring& path, std::string& bytes) {
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return false;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, got);
    std::fclose(file);
    return true;
}

}  // namespace

std::wstring program_directory() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

bool load_settings() {
    settings = Settings{};
    std::string bytes;
    bool opened = read_file(settings_path(), bytes);
    read_settings(settings, bytes);
    validate_positions(settings, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    fill_default_rates(settings);
    return opened;
}

void save_settings() { replace_file(settings_path(), settings_file_text(settings)); }

bool replace_file(const std::wstring& path, std::string_view bytes) {
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
