// The duration calculator's window: forwards its keys to the engine and shows what it says.
#include "tools/time/time_calculator_dialog.h"

#include <commctrl.h>

#include <optional>

#include "base/win/copying.h"
#include "base/win/platform.h"
#include "base/win/text.h"
#include "res/dialogs/time_calculator.h"
#include "tools/time/time_calculator.h"

namespace quivra {
namespace {

std::optional<Key> key_of(WPARAM command) {
    if (command >= IDC_CALC_DIGIT_0 && command <= IDC_CALC_DIGIT_9)
        return Key(command - IDC_CALC_DIGIT_0);
    switch (command) {
    case IDC_CALC_CLEAR_ENTRY: return Key::clear_entry;
    case IDC_CALC_ALL_CLEAR: return Key::all_clear;
    case IDC_CALC_TIMES: return Key::times;
    case IDC_CALC_DIVIDE: return Key::divide;
    case IDC_CALC_PLUS: return Key::plus;
    case IDC_CALC_MINUS: return Key::minus;
    case IDC_CALC_EQUALS: return Key::equals;
    case IDC_CALC_HOURS: return Key::hours;
    case IDC_CALC_MINUTES: return Key::minutes;
    case IDC_CALC_SECONDS: return Key::seconds;
    case IDC_CALC_SIGN: return Key::sign;
    }
    return std::nullopt;
}

class TimeCalculatorWindow final : public ToolWindow {
public:
    using ToolWindow::ToolWindow;

private:
    bool command(WPARAM id) override {
        std::optional<Key> key = key_of(id);
        if (key) press(*key);
        return bool(key);
    }

    void copy() override { copy_item_texts(window(), {IDC_CALC_RESULT}); }

    void show() {
        CalculatorDisplay display = calculator_.display();
        set_item_text(window(), IDC_CALC_RESULT, display.result_line);
        set_item_text(window(), IDC_CALC_OPERATOR, display.operator_box);
        set_item_text(window(), IDC_CALC_ENTRY, display.entry_line);
        SendDlgItemMessageW(window(), IDC_CALC_STATUS, SB_SETTEXTW, 0,
                            reinterpret_cast<LPARAM>(widen(display.status).c_str()));
    }

    // Through the dialog manager, so that ＝ is the default button again and Enter means ＝.
    WPARAM equals_key() const { return reinterpret_cast<WPARAM>(GetDlgItem(window(), IDC_CALC_EQUALS)); }

    void press(Key key) {
        Effect effect = calculator_.press(key);
        if (effect == Effect::beep) platform().beep(400, 80);
        else if (effect == Effect::overflow_report) platform().inform(window(), overflow_message);
        show();
        // Only a key that took effect hands Enter back to ＝. Otherwise the focus
        // stays, and a clicked key becomes the default so that Enter presses it.
        HWND focus = GetFocus();
        if (effect == Effect::none) SendMessageW(window(), WM_NEXTDLGCTL, equals_key(), TRUE);
        else if (focus && GetParent(focus) == window()) SendMessageW(window(), WM_NEXTDLGCTL, WPARAM(focus), TRUE);
    }

    void open() override {
        CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window(),
                        reinterpret_cast<HMENU>(IDC_CALC_STATUS), GetModuleHandleW(nullptr), nullptr);
        calculator_.press(Key::all_clear);
        show();
        // The dialog manager focuses the first key once this returns.
        PostMessageW(window(), WM_NEXTDLGCTL, equals_key(), TRUE);
    }

    TimeCalculator calculator_;
};

}  // namespace

bool time_calculator_large_text(int id) {
    return (id >= IDC_CALC_DIGIT_0 && id <= IDC_CALC_DIGIT_9) || id == IDC_CALC_OPERATOR || id == IDC_CALC_RESULT;
}

std::unique_ptr<ToolWindow> make_time_calculator_window(HWND window) {
    return std::make_unique<TimeCalculatorWindow>(window);
}

}  // namespace quivra
