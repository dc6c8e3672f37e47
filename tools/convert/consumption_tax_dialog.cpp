// The consumption-tax calculator's window: reads price, rate and mode, shows both lines.
#include "tools/convert/consumption_tax_dialog.h"

#include <commctrl.h>

#include "base/win/copying.h"
#include "base/win/settings_store.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/consumption_tax.h"
#include "tools/convert/consumption_tax.h"

namespace quivra {
namespace {

// In the order of TaxRounding.
constexpr int rounding_buttons[] = {IDC_TAX_ROUND_DOWN, IDC_TAX_ROUND_HALF_UP, IDC_TAX_ROUND_UP};

TaxRounding chosen_rounding(HWND dialog) {
    for (int rounding = 0; rounding < 3; ++rounding)
        if (IsDlgButtonChecked(dialog, rounding_buttons[rounding]) == BST_CHECKED) return TaxRounding(rounding);
    return TaxRounding::down;
}

void open(HWND dialog) {
    SendDlgItemMessageW(dialog, IDC_TAX_PRICE, EM_LIMITTEXT, 8, 0);
    SetDlgItemInt(dialog, IDC_TAX_PRICE, 1000, FALSE);
    set_up_spin_field(dialog, IDC_TAX_RATE, IDC_TAX_RATE_UPDOWN, 0, largest_rate);
    // Every opening shows the rate of start-up, not that of the last calculation.
    SetDlgItemInt(dialog, IDC_TAX_RATE, UINT(rate_to_show(settings.tax_rate.at_startup)), FALSE);
    CheckDlgButton(dialog, IDC_TAX_INCLUDED, BST_CHECKED);
    TaxRounding rounding = rounding_from_stored(settings.tax_rounding.at_startup);
    CheckDlgButton(dialog, rounding_buttons[int(rounding)], BST_CHECKED);
}

void calculate(HWND dialog) {
    std::int32_t price = read_field(dialog, IDC_TAX_PRICE, 0, largest_price);
    std::int32_t rate = read_field(dialog, IDC_TAX_RATE, 0, largest_rate);
    settings.tax_rate.to_save = rate;
    TaxMode mode = IsDlgButtonChecked(dialog, IDC_TAX_INCLUDED) == BST_CHECKED ? TaxMode::included : TaxMode::added;
    TaxLines lines = calculate_tax(price, rate, mode, chosen_rounding(dialog));
    set_item_text(dialog, IDC_TAX_AMOUNT_RESULT, lines.amount);
    set_item_text(dialog, IDC_TAX_RESULT, lines.tax);
}

}  // namespace

INT_PTR CALLBACK consumption_tax_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        open(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (wparam) {
        case IDC_TAX_CALCULATE: calculate(dialog); return TRUE;
        case IDC_TAX_RATE_8: SetDlgItemInt(dialog, IDC_TAX_RATE, 8, FALSE); return TRUE;
        case IDC_TAX_RATE_10: SetDlgItemInt(dialog, IDC_TAX_RATE, 10, FALSE); return TRUE;
        case IDC_TAX_ROUND_DOWN:
        case IDC_TAX_ROUND_HALF_UP:
        case IDC_TAX_ROUND_UP:
            // Kept at once, so the next opening and the next run start with it.
            settings.tax_rounding.set(std::int32_t(chosen_rounding(dialog)));
            return TRUE;
        }
        return FALSE;
    case WM_COPY:
        copy_item_texts(dialog, {IDC_TAX_AMOUNT_RESULT, IDC_TAX_RESULT});
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
