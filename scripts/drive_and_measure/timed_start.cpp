// Times a program from being started to its window showing, with its peak working set.
#include <windows.h>
// After windows.h, which it relies on.
#include <psapi.h>

#include <cstdio>

#include "scripts/drive_and_measure/probe_commands.h"
#include "scripts/drive_and_measure/process_windows.h"

namespace quivra {

namespace {

constexpr DWORD window_timeout_ms = 60000;
constexpr DWORD idle_timeout_ms = 5000;
constexpr DWORD exit_timeout_ms = 10000;

bool named(HWND window, bool by_class, const std::wstring& name) {
    wchar_t text[256];
    int length = by_class ? GetClassNameW(window, text, 256) : GetWindowTextW(window, text, 256);
    return name.compare(0, std::wstring::npos, text, length) == 0;
}

}  // namespace

int time_start(const std::wstring& program, bool by_class, const std::wstring& name) {
    std::wstring command_line = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started)) {
        std::fprintf(stderr, "Could not start %ls (error %lu).\n", program.c_str(), GetLastError());
        return 1;
    }
    HWND window = wait_for(
        [&] {
            for (HWND candidate : visible_windows(started.dwProcessId))
                if (named(candidate, by_class, name)) return candidate;
            return HWND{};
        },
        window_timeout_ms);
    const double elapsed = milliseconds_since(start);

    int status = 0;
    if (window) {
        // Counts what drawing the window first costs too.
        WaitForInputIdle(started.hProcess, idle_timeout_ms);
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(started.hProcess, &memory, sizeof memory);
        std::printf("ms=%.1f peak_kib=%zu\n", elapsed, memory.PeakWorkingSetSize / 1024);
        PostMessageW(window, WM_CLOSE, 0, 0);
    } else {
        std::fprintf(stderr, "No window \"%ls\" of %ls appeared.\n", name.c_str(), program.c_str());
        status = 1;
    }
    if (WaitForSingleObject(started.hProcess, window ? exit_timeout_ms : 0) != WAIT_OBJECT_0) {
        TerminateProcess(started.hProcess, 1);
        WaitForSingleObject(started.hProcess, exit_timeout_ms);
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return status;
}

}  // namespace quivra
