// The temperature converter's window: reads the field and the scale, shows both lines.
#include "tools/convert/temperature_dialog.h"

#include <commctrl.h>

#include "base/win/copying.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/temperature.h"
#include "tools/convert/temperature.h"

namespace quivra {
namespace {

// The four characters the field holds: "-999" from the up-down, "9999" typed.
constexpr std::int32_t lowest_degrees = -999, highest_degrees = 9999;

class TemperatureWindow final : public ToolWindow {
public:
    using ToolWindow::ToolWindow;

private:
    bool command(WPARAM id) override {
        if (id != IDC_TEMPERATURE_CONVERT) return false;
        convert();
        return true;
    }

    void copy() override { copy_item_texts(window(), {IDC_CELSIUS_RESULT, IDC_FAHRENHEIT_RESULT}); }

    void open() override {
        set_up_spin_field(window(), IDC_TEMPERATURE_VALUE, IDC_TEMPERATURE_UPDOWN, -999, 999);
        SetDlgItemInt(window(), IDC_TEMPERATURE_VALUE, 30, TRUE);
        CheckDlgButton(window(), IDC_CELSIUS, BST_CHECKED);
    }

    void convert() {
        std::int32_t degrees = read_field(window(), IDC_TEMPERATURE_VALUE, lowest_degrees, highest_degrees);
        Scale scale = IsDlgButtonChecked(window(), IDC_CELSIUS) == BST_CHECKED ? Scale::celsius : Scale::fahrenheit;
        TemperatureLines lines = convert_temperature(degrees, scale);
        set_item_text(window(), IDC_CELSIUS_RESULT, lines.celsius);
        set_item_text(window(), IDC_FAHRENHEIT_RESULT, lines.fahrenheit);
    }
};

}  // namespace

std::unique_ptr<ToolWindow> make_temperature_window(HWND window) { return std::make_unique<TemperatureWindow>(window); }

}  // namespace quivra
