// The Run value, written and removed in the current user's registry.
#include "base/win/startup_entry.h"

#include <windows.h>

#include <string>

#include "base/win/settings_store.h"

namespace quivra {
namespace {

constexpr wchar_t run_key[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t value_name[] = L"Quivra";

}  // namespace

bool starts_with_windows() {
    return RegGetValueW(HKEY_CURRENT_USER, run_key, value_name, RRF_RT_REG_SZ, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

void start_with_windows(bool on) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, run_key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    if (on) {
        const std::wstring command = L"\"" + program_path() + L"\" /tray";
        RegSetValueExW(key, value_name, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       DWORD((command.size() + 1) * sizeof(wchar_t)));
    } else {
        RegDeleteValueW(key, value_name);
    }
    RegCloseKey(key);
}

}  // namespace quivra
