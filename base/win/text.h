// Shift-JIS text in memory, wide text at every platform call, so the
// program reads right whatever the system code page is.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quivra {

std::wstring widen(std::string_view cp932);
std::string narrow(std::wstring_view wide);

void set_item_text(HWND dialog, int id, std::string_view cp932);
std::string item_text(HWND dialog, int id);
std::wstring wide_window_text(HWND window);
std::string window_text(HWND window);

// Replaces every line of a list box.
void show_lines(HWND dialog, int id, const std::vector<std::string>& lines);

// A number field as the user meant it, clamped to [low, high] whatever
// text another program set into it.
std::int32_t read_field(HWND dialog, int id, std::int32_t low, std::int32_t high);

}  // namespace quivra
