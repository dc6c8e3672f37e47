// The consumption-tax calculator's window: reads price, rate and mode, shows both lines.
#include "tools/convert/consumption_tax_dialog.h"

#include <commctrl.h>

#include "base/win/copying.h"
#include "base/win/spin_field.h"
#include "base/win/text.h"
#include "res/dialogs/consumption_tax.h"
#include "tools/convert/consumption_tax.h"

namespace quivra {
namespace {

// In the order of TaxRounding.
constexpr int rounding_buttons[] = {IDC_TAX_ROUND_DOWN, IDC_TAX_ROUND_HALF_UP, IDC_TAX_ROUND_UP};

class ConsumptionTaxWindow final : public ToolWindow {
public:
    ConsumptionTaxWindow(HWND window, TaxKept& kept) : ToolWindow(window), kept_(kept) {}

private:
    bool command(WPARAM id) override {
        switch (id) {
        case IDC_TAX_CALCULATE: calculate(); return true;
        case IDC_TAX_RATE_8: SetDlgItemInt(window(), IDC_TAX_RATE, 8, FALSE); return true;
        case IDC_TAX_RATE_10: SetDlgItemInt(window(), IDC_TAX_RATE, 10, FALSE); return true;
        case IDC_TAX_ROUND_DOWN:
        case IDC_TAX_ROUND_HALF_UP:
        case IDC_TAX_ROUND_UP:
            // Kept at once, so the next opening and the next run start with it.
            kept_.rounding = std::int32_t(chosen_rounding());
            return true;
        }
        return false;
    }

    void copy() override { copy_item_texts(window(), {IDC_TAX_AMOUNT_RESULT, IDC_TAX_RESULT}); }

    TaxRounding chosen_rounding() const {
        for (int rounding = 0; rounding < 3; ++rounding)
            if (IsDlgButtonChecked(window(), rounding_buttons[rounding]) == BST_CHECKED) return TaxRounding(rounding);
        return TaxRounding::down;
    }

    void open() override {
        SendDlgItemMessageW(window(), IDC_TAX_PRICE, EM_LIMITTEXT, 8, 0);
        SetDlgItemInt(window(), IDC_TAX_PRICE, 1000, FALSE);
        set_up_spin_field(window(), IDC_TAX_RATE, IDC_TAX_RATE_UPDOWN, 0, largest_rate);
        // Every opening shows the rate the file gave, not that of the last calculation.
        SetDlgItemInt(window(), IDC_TAX_RATE, UINT(rate_to_show(kept_.rate_read)), FALSE);
        CheckDlgButton(window(), IDC_TAX_INCLUDED, BST_CHECKED);
        CheckDlgButton(window(), rounding_buttons[int(rounding_from_stored(kept_.rounding))], BST_CHECKED);
    }

    void calculate() {
        std::int32_t price = read_field(window(), IDC_TAX_PRICE, 0, largest_price);
        std::int32_t rate = read_field(window(), IDC_TAX_RATE, 0, largest_rate);
        kept_.rate = rate;
        TaxMode mode =
            IsDlgButtonChecked(window(), IDC_TAX_INCLUDED) == BST_CHECKED ? TaxMode::included : TaxMode::added;
        TaxLines lines = calculate_tax(price, rate, mode, chosen_rounding());
        set_item_text(window(), IDC_TAX_AMOUNT_RESULT, lines.amount);
        set_item_text(window(), IDC_TAX_RESULT, lines.tax);
    }

    TaxKept& kept_;
};

}  // namespace

std::unique_ptr<ToolWindow> make_consumption_tax_window(HWND window, TaxKept& kept) {
    return std::make_unique<ConsumptionTaxWindow>(window, kept);
}

}  // namespace quivra
