// The one message loop's dispatch through each window's dialog manager.
#include "base/win/message_loop.h"

namespace quivra {

void dispatch(MSG& message) {
    HWND dialog = GetAncestor(message.hwnd, GA_ROOT);
    if (dialog && IsDialogMessageW(dialog, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace quivra
