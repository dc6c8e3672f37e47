#include "app/about_box.h"

#include <shellapi.h>

#include "base/win/frame.h"
#include "res/shell_ids.h"

namespace quivra {
namespace {

constexpr wchar_t home_page[] = L"https://orvel.example/quivra/";

// The shell is loaded only when the page is asked for, so that the program
// starts without it.
void open_home_page(HWND box) {
    HMODULE shell = LoadLibraryW(L"shell32.dll");
    if (!shell) return;
    if (auto open = reinterpret_cast<decltype(&ShellExecuteW)>(
            reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteW"))))
        open(box, L"open", home_page, nullptr, nullptr, SW_SHOWNORMAL);
}

INT_PTR CALLBACK about_procedure(HWND box, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        centre_window(box);
        return TRUE;
    case WM_CLOSE:
        EndDialog(box, 1);
        return TRUE;
    case WM_COMMAND:
        if (wparam == IDC_ABOUT_OK) {
            PostMessageW(box, WM_CLOSE, 0, 0);
            return TRUE;
        }
        if (wparam == IDC_HOME_PAGE) open_home_page(box);
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
