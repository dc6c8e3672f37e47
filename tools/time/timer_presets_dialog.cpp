// The timer's preset drop-down and its 登録 and 削除 buttons.
#include "tools/time/timer_presets_dialog.h"

#include <algorithm>

#include <commctrl.h>

#include "base/win/drop_down.h"
#include "base/win/pickers.h"
#include "base/win/platform.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/timer.h"
#include "tools/time/timer.h"

namespace quivra {

namespace {

constexpr int mode_buttons[] = {IDC_AT_TIME, IDC_HOURS_LATER, IDC_MINUTES_LATER};  // in the order of TimerMode

}  // namespace

bool PresetChoice::command(WPARAM id) {
    switch (id) {
    case MAKEWPARAM(IDC_TIMER_PRESET, CBN_SELCHANGE):
        if (const TimerPreset* preset = chosen()) fill(*preset);
        return true;
    case IDC_PRESET_REGISTER: register_form(); return true;
    case IDC_PRESET_REMOVE: remove_chosen(); return true;
    }
    return false;
}

TimerPreset PresetChoice::form() const {
    int mode = 0;
    while (mode < 2 && IsDlgButtonChecked(timer_, mode_buttons[mode]) != BST_CHECKED) ++mode;
    const SYSTEMTIME at = picked(timer_, IDC_RING_TIME);
    return {"", mode, at.wHour * 10000 + at.wMinute * 100 + at.wSecond, read_field(timer_, IDC_HOURS, 0, 99),
            read_field(timer_, IDC_MINUTES, 0, 99), item_text(timer_, IDC_ALARM_FILE),
            IsDlgButtonChecked(timer_, IDC_SHOW_MESSAGE) == BST_CHECKED, item_text(timer_, IDC_MESSAGE)};
}

void PresetChoice::fill(const TimerPreset& preset) {
    CheckRadioButton(timer_, IDC_AT_TIME, IDC_MINUTES_LATER, mode_buttons[std::clamp(int(preset.mode), 0, 2)]);
    SYSTEMTIME at = platform().local_time();
    at.wHour = WORD(preset.ring_at / 10000), at.wMinute = WORD(preset.ring_at / 100 % 100);
    at.wSecond = WORD(preset.ring_at % 100), at.wMilliseconds = 0;
    SendDlgItemMessageW(timer_, IDC_RING_TIME, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&at));
    SetDlgItemInt(timer_, IDC_HOURS, UINT(preset.hours), FALSE);
    SetDlgItemInt(timer_, IDC_MINUTES, UINT(preset.minutes), FALSE);
    set_item_text(timer_, IDC_ALARM_FILE, preset.sound);
    CheckDlgButton(timer_, IDC_SHOW_MESSAGE, preset.message_shown ? BST_CHECKED : BST_UNCHECKED);
    set_item_text(timer_, IDC_MESSAGE, preset.message);
}

const TimerPreset* PresetChoice::chosen() const {
    const LRESULT row = SendDlgItemMessageW(timer_, IDC_TIMER_PRESET, CB_GETCURSEL, 0, 0);
    return row >= 0 && std::size_t(row) < presets_.size() ? &presets_[std::size_t(row)] : nullptr;
}

void PresetChoice::register_form() {
    std::optional<std::string> name = platform().ask_name(timer_, timer_preset_name_max_bytes);
    if (!name) return;
    if (name->empty()) return platform().inform(timer_, preset_name_missing);
    TimerPreset form = this->form();
    form.name = *name;
    auto same = std::find_if(presets_.begin(), presets_.end(), [&](const TimerPreset& p) { return p.name == *name; });
    if (same != presets_.end()) *same = form;
    else if (presets_.size() >= timer_presets_max) return platform().inform(timer_, presets_full);
    else presets_.push_back(form);
    show(*name);
}

void PresetChoice::remove_chosen() {
    const TimerPreset* preset = chosen();
    if (!preset || !platform().ask(timer_, preset_removal_question(preset->name))) return;
    presets_.erase(presets_.begin() + (preset - presets_.data()));
    show({});
}

void PresetChoice::show(std::string_view chosen_name) {
    auto row = std::find_if(presets_.begin(), presets_.end(), [&](const TimerPreset& p) { return p.name == chosen_name; });
    SendDlgItemMessageW(timer_, IDC_TIMER_PRESET, CB_RESETCONTENT, 0, 0);
    fill_drop_down(timer_, IDC_TIMER_PRESET, presets_.size(), [&](std::size_t i) -> std::string_view { return presets_[i].name; },
                   std::int32_t(row - presets_.begin()));
    if (row == presets_.end()) SendDlgItemMessageW(timer_, IDC_TIMER_PRESET, CB_SETCURSEL, WPARAM(-1), 0);
}

}  // namespace quivra
