// The currency converter's window: reads the amount and currency, shows the engine's lines.
#include "tools/convert/currency_dialog.h"

#include "base/win/drop_down.h"
#include "base/win/text.h"
#include "res/dialogs/currency.h"
#include "tools/convert/currency.h"

namespace quivra {
namespace {

class CurrencyWindow final : public ToolWindow {
public:
    CurrencyWindow(HWND window, CurrencyKept& kept) : ToolWindow(window), kept_(kept) {}

private:
    bool command(WPARAM id) override {
        if (id != IDC_CURRENCY_CONVERT) return false;
        convert();
        return true;
    }

    void open() override {
        SendDlgItemMessageW(window(), IDC_CURRENCY_AMOUNT, EM_LIMITTEXT, 8, 0);
        set_item_text(window(), IDC_CURRENCY_AMOUNT, "1000");
        fill_drop_down(window(), IDC_CURRENCY_FROM, currency_names.size(),
                       [](std::size_t row) { return currency_names[row]; }, kept_.currency);
    }

    void convert() {
        auto amount = std::uint32_t(read_field(window(), IDC_CURRENCY_AMOUNT, 0, largest_amount));
        LRESULT row = SendDlgItemMessageW(window(), IDC_CURRENCY_FROM, CB_GETCURSEL, 0, 0);
        if (row < 0 || std::size_t(row) >= currency_names.size()) return show_lines(window(), IDC_CURRENCY_RESULTS, {});
        kept_.currency = std::int32_t(row);
        show_lines(window(), IDC_CURRENCY_RESULTS, convert_to_every_currency(kept_.rates, amount, std::size_t(row)));
    }

    CurrencyKept& kept_;
};

}  // namespace

std::unique_ptr<ToolWindow> make_currency_window(HWND window, CurrencyKept& kept) {
    return std::make_unique<CurrencyWindow>(window, kept);
}

}  // namespace quivra
