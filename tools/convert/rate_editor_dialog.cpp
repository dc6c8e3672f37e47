// The rate editor's window: two fields per currency, stored only on ＯＫ or a Yes.
#include "tools/convert/rate_editor_dialog.h"

#include "base/win/frame_ids.h"
#include "base/win/platform.h"
#include "base/win/settings_store.h"
#include "base/win/text.h"
#include "res/dialogs/rate_editor.h"
#include "tools/convert/rate_editor.h"

namespace quivra {
namespace {

std::int32_t& rate_of_row(int i) { return settings.rates[first_edited_row + std::size_t(i)]; }

void open(HWND dialog) {
    for (int i = 0; i < int(edited_rows); ++i) {
        SendDlgItemMessageW(dialog, IDC_RATE_YEN_FIRST + i, EM_LIMITTEXT, yen_digits, 0);
        SendDlgItemMessageW(dialog, IDC_RATE_SEN_FIRST + i, EM_LIMITTEXT, sen_digits, 0);
        const RateFields fields = rate_fields(rate_of_row(i));
        SetDlgItemInt(dialog, IDC_RATE_YEN_FIRST + i, UINT(fields.yen), FALSE);
        SetDlgItemInt(dialog, IDC_RATE_SEN_FIRST + i, UINT(fields.sen), FALSE);
    }
}

void store(HWND dialog) {
    for (int i = 0; i < int(edited_rows); ++i)
        rate_of_row(i) = rate_of({read_field(dialog, IDC_RATE_YEN_FIRST + i, 0, largest_yen),
                                  read_field(dialog, IDC_RATE_SEN_FIRST + i, 0, largest_sen)});
}

// The frame's close: it empties the slot and keeps the position.
void close(HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); }

void ask_before_closing(HWND dialog) {
    const bool store_first = platform().ask(dialog, store_question);
    // The launcher may have closed every tool while the question was up.
    if (!IsWindow(dialog)) return;
    if (store_first) store(dialog);
    close(dialog);
}

}  // namespace

INT_PTR CALLBACK rate_editor_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        open(dialog);
        return TRUE;
    case WM_COMMAND:
        if (wparam == IDC_RATE_OK) {
            store(dialog);
            close(dialog);
        } else if (wparam == IDC_RATE_CANCEL) {
            close(dialog);
        } else if (wparam == IDM_EXIT) {
            ask_before_closing(dialog);
        } else {
            return FALSE;
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace quivra
