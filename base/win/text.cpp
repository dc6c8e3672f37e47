// Conversions between Shift-JIS and wide text at the platform calls.
#include "base/win/text.h"

#include "base/field_number.h"

namespace quivra {
namespace {
constexpr UINT shift_jis = 932;
}

std::wstring widen(std::string_view cp932) {
    if (cp932.empty()) return {};
    int length = MultiByteToWideChar(shift_jis, 0, cp932.data(), int(cp932.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(shift_jis, 0, cp932.data(), int(cp932.size()), wide.data(), length);
    return wide;
}

std::string narrow(std::wstring_view wide) {
    if (wide.empty()) return {};
    int length = WideCharToMultiByte(shift_jis, 0, wide.data(), int(wide.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string text(std::size_t(length), '\0');
    WideCharToMultiByte(shift_jis, 0, wide.data(), int(wide.size()), text.data(), length,
                        nullptr, nullptr);
    return text;
}

void set_item_text(HWND dialog, int id, std::string_view cp932) {
    SetDlgItemTextW(dialog, id, widen(cp932).c_str());
}

std::wstring wide_window_text(HWND window) {
    std::wstring wide(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    wide.resize(std::size_t(GetWindowTextW(window, wide.data(), int(wide.size()))));
    return wide;
}

std::string window_text(HWND window) { return narrow(wide_window_text(window)); }

std::string item_text(HWND dialog, int id) { return window_text(GetDlgItem(dialog, id)); }

void show_lines(HWND dialog, int id, const std::vector<std::string>& lines) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(line).c_str()));
}

std::int32_t read_field(HWND dialog, int id, std::int32_t low, std::int32_t high) {
    return read_field_number(item_text(dialog, id), low, high);
}

}  // namespace quivra
