#include "base/win/message_loop.h"

namespace quivra {

void dispatch(MSG& message) {
    HWND dialog = GetAncestor(message.hwnd, GA_ROOT);
    if (dialog && IsDialogMessageW(dialog, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace quivra
