// The rate editor's window: two fields per currency, stored only on ＯＫ or a Yes.
#include "tools/convert/rate_editor_dialog.h"

#include "base/win/platform.h"
#include "base/win/text.h"
#include "res/dialogs/rate_editor.h"
#include "tools/convert/rate_editor.h"

namespace quivra {
namespace {

class RateEditorWindow final : public ToolWindow {
public:
    RateEditorWindow(HWND window, CurrencyKept& kept) : ToolWindow(window), kept_(kept) {}

private:
    bool command(WPARAM id) override {
        if (id == IDC_RATE_OK) {
            store();
            close();
        } else if (id == IDC_RATE_CANCEL) {
            close();
        } else if (id == IDM_EXIT) {
            ask_before_closing();
        } else {
            return false;
        }
        return true;
    }

    std::int32_t& rate_of_row(int i) { return kept_.rates[first_edited_row + std::size_t(i)]; }

    void open() override {
        for (int i = 0; i < int(edited_rows); ++i) {
            SendDlgItemMessageW(window(), IDC_RATE_YEN_FIRST + i, EM_LIMITTEXT, yen_digits, 0);
            SendDlgItemMessageW(window(), IDC_RATE_SEN_FIRST + i, EM_LIMITTEXT, sen_digits, 0);
            const RateFields fields = rate_fields(rate_of_row(i));
            SetDlgItemInt(window(), IDC_RATE_YEN_FIRST + i, UINT(fields.yen), FALSE);
            SetDlgItemInt(window(), IDC_RATE_SEN_FIRST + i, UINT(fields.sen), FALSE);
        }
    }

    void store() {
        for (int i = 0; i < int(edited_rows); ++i)
            rate_of_row(i) = rate_of({read_field(window(), IDC_RATE_YEN_FIRST + i, 0, largest_yen),
                                      read_field(window(), IDC_RATE_SEN_FIRST + i, 0, largest_sen)});
    }

    // The frame's close: it empties the slot and keeps the position.
    void close() { PostMessageW(window(), WM_CLOSE, 0, 0); }

    void ask_before_closing() {
        HWND editor = window();
        const bool store_first = platform().ask(editor, store_question);
        // The launcher may have closed every tool, and this object with its window, while the question was up.
        if (!IsWindow(editor)) return;
        if (store_first) store();
        close();
    }

    CurrencyKept& kept_;
};

}  // namespace

std::unique_ptr<ToolWindow> make_rate_editor_window(HWND window, CurrencyKept& kept) {
    return std::make_unique<RateEditorWindow>(window, kept);
}

}  // namespace quivra
