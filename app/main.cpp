// Entry point: one copy at a time, the launcher, and the message loop.
#include <windows.h>

#include "app/launcher.h"
#include "base/win/message_loop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A second copy ends at once, silently.
    if (FindWindowW(nullptr, quivra::version_title)) return 0;
    quivra::create_launcher();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) quivra::dispatch(message);
    return 0;
}
