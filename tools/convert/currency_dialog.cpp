// The currency converter's window: reads the amount and currency, shows the engine's lines.
#include "tools/convert/currency_dialog.h"

#include "base/win/drop_down.h"
#include "base/win/frame.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/currency.h"
#include "tools/convert/currency.h"

namespace quivra {
namespace {

void open(HWND dialog) {
    SendDlgItemMessageW(dialog, IDC_CURRENCY_AMOUNT, EM_LIMITTEXT, 8, 0);
    set_item_text(dialog, IDC_CURRENCY_AMOUNT, "1000");
    fill_drop_down(dialog, IDC_CURRENCY_FROM, currency_names.size(),
                   [](std::size_t row) { return currency_names[row]; }, settings.currency.at_startup);
}

void convert(HWND dialog) {
    auto amount = std::uint32_t(read_field(dialog, IDC_CURRENCY_AMOUNT, 0, largest_amount));
    LRESULT row = SendDlgItemMessageW(dialog, IDC_CURRENCY_FROM, CB_GETCURSEL, 0, 0);
    if (row < 0 || std::size_t(row) >= currency_names.size()) return show_lines(dialog, IDC_CURRENCY_RESULTS, {});
    settings.currency.set(std::int32_t(row));
    show_lines(dialog, IDC_CURRENCY_RESULTS, convert_to_every_currency(settings.rates, amount, std::size_t(row)));
}

class CurrencyWindow final : public ToolWindow {
public:
    explicit CurrencyWindow(const Tool& rate_editor) : rate_editor_(rate_editor) {}

    INT_PTR handle(HWND dialog, UINT message, WPARAM wparam, LPARAM) override {
        switch (message) {
        case WM_INITDIALOG:
            open(dialog);
            return TRUE;
        case WM_COMMAND:
            if (wparam == IDC_CURRENCY_CONVERT) convert(dialog);
            else if (wparam == IDM_RATE_EDITOR) open_tool(rate_editor_);
            else return FALSE;
            return TRUE;
        }
        return FALSE;
    }

private:
    const Tool& rate_editor_;
};

}  // namespace

std::unique_ptr<ToolWindow> make_currency_window(const Tool& rate_editor) {
    return std::make_unique<CurrencyWindow>(rate_editor);
}

}  // namespace quivra
