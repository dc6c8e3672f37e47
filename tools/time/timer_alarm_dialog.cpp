// The timer window's alarm path and message, kept byte for byte as shown.
#include "tools/time/timer_alarm_dialog.h"

#include <iterator>
#include <optional>
#include <string>

#include "base/win/kept_text_field.h"
#include "base/win/platform.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/timer.h"
#include "tools/time/timer.h"

namespace quivra {
namespace {

constexpr wchar_t wave_filter[] = L"WAVE files ( *.wav )\0*.wav\0";

KeptTextField alarm_field{alarm_text_refusal};
KeptTextField message_field{message_text_refusal};

void check_text(HWND dialog, KeptTextField& field, bool counting) {
    std::string_view refusal = field.check();
    if (!counting) set_item_text(dialog, IDC_TIMER_STATUS, refusal);
}

void try_sound(HWND dialog) {
    keep_alarm_path(dialog);
    platform().play_sound(widen(settings.alarm_path.to_save));
}

void browse(HWND dialog) {
    std::optional<std::wstring> chosen = platform().choose_file_to_open(
        dialog, widen("音ファイルの参照 どのファイル？"), {wave_filter, std::size(wave_filter) - 1}, L"wav");
    if (!chosen) return;
    std::string path = narrow(*chosen);
    std::string_view refusal = alarm_path_refusal(path, widen(path) == *chosen);
    if (!refusal.empty()) return platform().inform(dialog, refusal);
    set_item_text(dialog, IDC_ALARM_FILE, path);
}

}  // namespace

void open_alarm_fields(HWND dialog) {
    SendDlgItemMessageW(dialog, IDC_ALARM_FILE, EM_LIMITTEXT, alarm_path_max_bytes, 0);
    SendDlgItemMessageW(dialog, IDC_MESSAGE, EM_LIMITTEXT, timer_message_max_bytes, 0);
    alarm_field.attach(GetDlgItem(dialog, IDC_ALARM_FILE));
    message_field.attach(GetDlgItem(dialog, IDC_MESSAGE));
    set_item_text(dialog, IDC_ALARM_FILE, settings.alarm_path.to_save);
    CheckDlgButton(dialog, IDC_SHOW_MESSAGE, settings.timer_message_shown.to_save ? BST_CHECKED : BST_UNCHECKED);
    set_item_text(dialog, IDC_MESSAGE, settings.timer_message.to_save);
}

bool alarm_command(HWND dialog, WPARAM wparam, bool counting) {
    if (wparam == MAKEWPARAM(IDC_ALARM_FILE, EN_CHANGE)) check_text(dialog, alarm_field, counting);
    else if (wparam == MAKEWPARAM(IDC_MESSAGE, EN_CHANGE)) check_text(dialog, message_field, counting);
    else if (wparam == IDC_TRY_SOUND) try_sound(dialog);
    else if (wparam == IDC_BROWSE) browse(dialog);
    else return false;
    return true;
}

// A directory or a wildcard pattern would start a countdown that cannot sound.
bool alarm_is_a_file(HWND dialog) {
    DWORD attributes = GetFileAttributesW(widen(item_text(dialog, IDC_ALARM_FILE)).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void keep_alarm_path(HWND dialog) { settings.alarm_path.to_save = item_text(dialog, IDC_ALARM_FILE); }

void keep_message(HWND dialog) {
    settings.timer_message_shown.to_save = IsDlgButtonChecked(dialog, IDC_SHOW_MESSAGE) == BST_CHECKED;
    if (settings.timer_message_shown.to_save) settings.timer_message.to_save = item_text(dialog, IDC_MESSAGE);
}

}  // namespace quivra
