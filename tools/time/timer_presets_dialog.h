// The timer's よく使う設定: a drop-down of the kept presets, registered and removed by its two buttons.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "base/timer_preset.h"

namespace quivra {

class PresetChoice {
public:
    PresetChoice(HWND timer, std::vector<TimerPreset>& presets) : timer_(timer), presets_(presets) {}
    // Lists the presets, none of them chosen.
    void open() { show({}); }
    // The drop-down's choice fills the form; 登録 keeps the form under a
    // name the user gives (the same name replaces); 削除 removes the chosen
    // preset once the user agrees. True for those three.
    bool command(WPARAM id);
    // The preset the drop-down shows; null when none.
    const TimerPreset* chosen() const;

private:
    TimerPreset form() const;
    void fill(const TimerPreset& preset);
    void register_form();
    void remove_chosen();
    void show(std::string_view chosen_name);

    const HWND timer_;
    std::vector<TimerPreset>& presets_;
};

}  // namespace quivra
