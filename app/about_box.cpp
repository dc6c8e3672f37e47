// The About box: name, version and credits, centred, modal to the launcher.
#include "app/about_box.h"

#include "base/win/dpi.h"
#include "base/win/frame.h"
#include "base/win/icons.h"
#include "base/win/platform.h"
#include "base/win/settings_store.h"
#include "res/launcher_ids.h"

namespace quivra {
namespace {

// Shipped beside the program, so it reads the same without a network.
constexpr wchar_t manual[] = L"quivra.html";

INT_PTR CALLBACK about_procedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG:
        centre_window(box);
        show_icons_at_dpi(box, window_dpi(box));
        // Enter or Space closes the box at once, as it does in every About box.
        SetFocus(GetDlgItem(box, IDC_ABOUT_OK));
        return FALSE;
    case WM_CLOSE:
        EndDialog(box, 1);
        return TRUE;
    case WM_DPICHANGED:
        follow_dpi_change(box, wparam, lparam);
        return FALSE;
    case WM_COMMAND:
        if (wparam == IDC_ABOUT_OK) {
            PostMessageW(box, WM_CLOSE, 0, 0);
            return TRUE;
        }
        if (wparam == IDC_HOME_PAGE)
            platform().open_document(box, program_directory() + manual);
        return FALSE;
    }
    return FALSE;
}

}  // namespace

void show_about_box(HWND launcher) {
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), launcher,
                    about_procedure, 0);
}

}  // namespace quivra
