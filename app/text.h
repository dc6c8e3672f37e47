// Shift-JIS text in memory, wide text at every platform call, so the
// program reads right whatever the system code page is.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quivra {

std::wstring widen(std::string_view cp932);
std::string narrow(std::wstring_view wide);

void set_item_text(HWND dialog, int id, std::string_view cp932);
std::string item_text(HWND dialog, int id);
std::string window_text(HWND window);

}  // namespace quivra
