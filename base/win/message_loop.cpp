// The program's one message loop, shared by every window.
#include "base/win/message_loop.h"

#include "base/win/copying.h"
#include "base/win/frame.h"

namespace quivra {

void dispatch(MSG& message) {
    if (take_copy_keystroke(message) || take_new_window_keystroke(message)) return;
    HWND dialog = GetAncestor(message.hwnd, GA_ROOT);
    if (dialog && IsDialogMessageW(dialog, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace quivra
