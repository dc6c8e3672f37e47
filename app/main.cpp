// Entry point: one copy at a time, the launcher, and the message loop.
#include <windows.h>

#include "app/launcher.h"
#include "base/win/message_loop.h"
#include "base/win/platform.h"
#include "base/win/private_messages.h"

#include <string_view>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR command_line, int) {
    quivra::load_libraries_from_the_system_folder_only();
    // A second copy ends at once, silently, showing the first's launcher where it waits hidden.
    if (HWND running = FindWindowW(nullptr, quivra::version_title)) {
        if (!IsWindowVisible(running)) PostMessageW(running, WM_SHOW_LAUNCHER, 0, 0);
        return 0;
    }
    // Without a window the loop would wait unseen for ever, and every later
    // start would find nothing and linger too.
    if (!quivra::create_launcher(std::wstring_view(command_line).starts_with(L"/tray"))) {
        quivra::platform().inform(nullptr, "Quivraを起動できませんでした。");
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) quivra::dispatch(message);
    return 0;
}
