// Entry point: one copy at a time, the launcher, and the message loop.
#include <windows.h>

#include "app/launcher.h"
#include "base/win/message_loop.h"
#include "base/win/platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    quivra::load_libraries_from_the_system_folder_only();
    // A second copy ends at once, silently.
    if (FindWindowW(nullptr, quivra::version_title)) return 0;
    // Without a window the loop would wait unseen for ever, and every later
    // start would find nothing and linger too.
    if (!quivra::create_launcher()) {
        quivra::platform().inform(nullptr, "Quivraを起動できませんでした。");
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) quivra::dispatch(message);
    return 0;
}
