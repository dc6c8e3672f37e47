// The sound file's field: kept within its limit, browsed for, and checked before it rings.
#include "tools/time/sound_file_field_dialog.h"

#include <iterator>
#include <optional>

#include "base/timer_preset.h"
#include "base/win/platform.h"
#include "base/win/text.h"
#include "tools/time/timer.h"

namespace quivra {
namespace {

constexpr wchar_t wave_filter[] = L"WAVE files ( *.wav )\0*.wav\0";

}  // namespace

SoundFileField::SoundFileField(HWND window, int field) : window_(window), field_(field), kept_(alarm_text_refusal) {}

void SoundFileField::open(std::string_view path) {
    SendDlgItemMessageW(window_, field_, EM_LIMITTEXT, alarm_path_max_bytes, 0);
    kept_.attach(GetDlgItem(window_, field_));
    set_item_text(window_, field_, path);
}

void SoundFileField::browse() {
    std::optional<std::wstring> chosen = platform().choose_file_to_open(
        window_, widen("音ファイルの参照 どのファイル？"), {wave_filter, std::size(wave_filter) - 1}, L"wav");
    if (!chosen) return;
    std::string path = narrow(*chosen);
    std::string_view refusal = alarm_path_refusal(path, widen(path) == *chosen);
    if (!refusal.empty()) return platform().inform(window_, refusal);
    set_item_text(window_, field_, path);
}

std::string SoundFileField::path() const { return item_text(window_, field_); }

bool SoundFileField::can_sound() const {
    const std::string typed = path();
    if (typed.empty()) return true;
    DWORD attributes = GetFileAttributesW(widen(typed).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace quivra
