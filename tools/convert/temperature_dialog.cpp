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

void open(HWND dialog) {
    set_up_spin_field(dialog, IDC_TEMPERATURE_VALUE, IDC_TEMPERATURE_UPDOWN, -999, 999);
    SetDlgItemInt(dialog, IDC_TEMPERATURE_VALUE, 30, TRUE);
    CheckDlgButton(dialog, IDC_CELSIUS, BST_CHECKED);
}

void convert(HWND dialog) {
    std::int32_t degrees = read_field(dialog, IDC_TEMPERATURE_VALUE, lowest_degrees, highest_degrees);
    Scale scale = IsDlgButtonChecked(dialog, IDC_CELSIUS) == BST_CHECKED ? Scale::celsius : Scale::fahrenheit;
    TemperatureLines lines = convert_temperature(degrees, scale);
    set_item_text(dialog, IDC_CELSIUS_RESULT, lines.celsius);
    set_item_text(dialog, IDC_FAHRENHEIT_RESULT, lines.fahrenheit);
}

}  // namespace

INT_PTR CALLBACK temperature_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        open(dialog);
        return TRUE;
    case WM_COMMAND:
        if (wparam != IDC_TEMPERATURE_CONVERT) return FALSE;
        convert(dialog);
        return TRUE;
    case WM_COPY:
        copy_item_texts(dialog, {IDC_CELSIUS_RESULT, IDC_FAHRENHEIT_RESULT});
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
