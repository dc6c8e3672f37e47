// Shows Wine's version 6 static class keeping memory for each window given a font.
// The same twelve statics, each sent WM_SETFONT as a dialog does, are made
// and destroyed many times with the system's static class and then with
// the common-controls 6 one; only the second run's private memory grows.
#include <windows.h>
// After windows.h, which it relies on.
#include <psapi.h>

#include <cstdio>

namespace {

constexpr int statics = 12;
constexpr int warm_up_cycles = 50;
constexpr int cycles = 1000;

std::size_t private_bytes() {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return memory.PagefileUsage;
}

void one_cycle() {
    HWND parent = CreateWindowW(L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 300, nullptr,
                                nullptr, nullptr, nullptr);
    // As a dialog does: one font for the window, handed to every control.
    HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    for (int i = 0; i < statics; ++i) {
        HWND text = CreateWindowW(L"Static", L"x", WS_CHILD | WS_VISIBLE, 4, 4 + 20 * i, 100, 16,
                                  parent, nullptr, nullptr, nullptr);
        SendMessageW(text, WM_SETFONT, WPARAM(font), FALSE);
    }
    UpdateWindow(parent);
    DestroyWindow(parent);
    DeleteObject(font);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

double growth_per_cycle() {
    std::size_t warm = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        one_cycle();
        if (cycle == warm_up_cycles) warm = private_bytes();
    }
    return double(private_bytes() - warm) / (cycles - warm_up_cycles);
}

}  // namespace

int wmain() {
    std::printf("%d statics, %d cycles: bytes kept per cycle after %d\n", statics, cycles,
                warm_up_cycles);
    std::printf("  system static class:       %6.0f\n", growth_per_cycle());

    // The version 6 classes, as a program with a common-controls manifest gets them.
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    ACTCTXW context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = self;
    context.lpResourceName = MAKEINTRESOURCEW(2);
    HANDLE version6 = CreateActCtxW(&context);
    ULONG_PTR cookie;
    if (version6 == INVALID_HANDLE_VALUE || !ActivateActCtx(version6, &cookie)) {
        std::fputs("No version 6 activation context.\n", stderr);
        return 1;
    }
    LoadLibraryW(L"comctl32.dll");
    std::printf("  common controls 6 static:  %6.0f\n", growth_per_cycle());
    return 0;
}
