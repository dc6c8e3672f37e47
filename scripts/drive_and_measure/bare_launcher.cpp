// The launcher's own template and resources shown by a procedure that does
// nothing: what the launcher costs before any work of Quivra's own.
#include <windows.h>

#include "res/launcher_ids.h"

namespace {

INT_PTR CALLBACK do_nothing(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowTextW(window, L"Quivra bare launcher");
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(window);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HWND launcher = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_LAUNCHER), nullptr, do_nothing, 0);
    ShowWindow(launcher, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        if (!IsDialogMessageW(launcher, &message)) DispatchMessageW(&message);
    return 0;
}
