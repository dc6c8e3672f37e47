// Opens, uses and closes every tool of a running quivra.exe many times and
// prints what the process holds before and after.
#include <windows.h>
// After windows.h, which it relies on.
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <thread>
#include <vector>

#include "app/launcher.h"
#include "scripts/drive_and_measure/probe_commands.h"
#include "scripts/drive_and_measure/process_windows.h"

namespace quivra {

namespace {

constexpr DWORD window_timeout_ms = 10000;
constexpr UINT send_timeout_ms = 10000;

struct Figures {
    DWORD handles = 0;
    DWORD gdi_objects = 0;
    DWORD user_objects = 0;
    std::size_t windows = 0;
    std::size_t pagefile_kib = 0;
};

BOOL CALLBACK count_child(HWND, LPARAM count) {
    ++*reinterpret_cast<std::size_t*>(count);
    return TRUE;
}

std::size_t window_count(DWORD process) {
    std::size_t count = 0;
    for (HWND window : visible_windows(process)) {
        ++count;
        EnumChildWindows(window, count_child, reinterpret_cast<LPARAM>(&count));
    }
    return count;
}

// The system's handle table, which Wine fills in for every process, while
// its GetProcessHandleCount answers 0 for any process but the caller.
DWORD handle_count(DWORD process_id) {
    struct Entry {
        ULONG owner;
        BYTE type, flags;
        USHORT value;
        void* object;
        ULONG access;
    };
    using Query = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
    static auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    constexpr int system_handle_information = 16;
    constexpr LONG info_length_mismatch = LONG(0xC0000004);
    std::vector<char> buffer(1 << 16);
    LONG status;
    while ((status = query(system_handle_information, buffer.data(), ULONG(buffer.size()), nullptr)) ==
           info_length_mismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0) return 0;
    ULONG count;
    std::memcpy(&count, buffer.data(), sizeof count);
    const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(void*));
    DWORD owned = 0;
    for (ULONG i = 0; i < count; ++i) owned += entries[i].owner == process_id;
    return owned;
}

Figures measure(HANDLE process, DWORD process_id) {
    Figures figures;
    figures.handles = handle_count(process_id);
    figures.gdi_objects = GetGuiResources(process, GR_GDIOBJECTS);
    figures.user_objects = GetGuiResources(process, GR_USEROBJECTS);
    figures.windows = window_count(process_id);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    figures.pagefile_kib = memory.PagefileUsage / 1024;
    return figures;
}

bool is_message_box(HWND window) {
    wchar_t text[16] = {};
    GetWindowTextW(window, text, 16);
    wchar_t class_name[16] = {};
    GetClassNameW(window, class_name, 16);
    return std::wcscmp(text, L"Quivra") == 0 && std::wcscmp(class_name, L"#32770") == 0;
}

// Answers every box the program puts up, Yes where it asks, as a user
// who wants to get on would; the main thread's clicks wait meanwhile.
class BoxAnswerer {
public:
    explicit BoxAnswerer(DWORD process)
        : thread_([this, process, desktop = GetThreadDesktop(GetCurrentThreadId())] {
              // Windows are found only on the thread's own desktop.
              SetThreadDesktop(desktop);
              while (!stop_) {
                  for (HWND window : visible_windows(process))
                      if (is_message_box(window))
                          PostMessageW(window, WM_COMMAND, GetDlgItem(window, IDYES) ? IDYES : IDOK, 0);
                  Sleep(5);
              }
          }) {}
    ~BoxAnswerer() {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

HWND new_window(DWORD process, const std::vector<HWND>& before) {
    return wait_for(
        [&] {
            for (HWND window : visible_windows(process))
                if (!is_message_box(window) &&
                    std::find(before.begin(), before.end(), window) == before.end())
                    return window;
            return HWND{};
        },
        window_timeout_ms);
}

bool send(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    DWORD_PTR ignored;
    return SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, send_timeout_ms,
                               &ignored) != 0;
}

// One use of a tool: "COMMAND:STEP,STEP,..." where a step is cID (click),
// tID=TEXT (set a field's text), oID (a menu command that opens a window,
// which later steps then act on) or x (close that window again).
struct Recipe {
    int command = 0;
    std::vector<std::wstring> steps;
};

bool parse(const std::wstring& text, Recipe& recipe) {
    std::size_t colon = text.find(L':');
    recipe.command = _wtoi(text.substr(0, colon).c_str());
    if (recipe.command <= 0) return false;
    if (colon == std::wstring::npos) return true;
    for (std::size_t start = colon + 1; start <= text.size();) {
        std::size_t comma = text.find(L',', start);
        if (comma == std::wstring::npos) comma = text.size();
        if (comma > start) recipe.steps.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return true;
}

bool run_step(DWORD process, HWND tool, HWND& current, const std::wstring& step) {
    const int id = _wtoi(step.c_str() + 1);
    switch (step[0]) {
    case L'c':
        return send(GetDlgItem(current, id), BM_CLICK, 0, 0);
    case L't': {
        std::wstring text = step.substr(step.find(L'=') + 1);
        return send(GetDlgItem(current, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    case L'o': {
        const std::vector<HWND> before = visible_windows(process);
        PostMessageW(current, WM_COMMAND, id, 0);
        current = new_window(process, before);
        return current != nullptr;
    }
    case L'x':
        send(current, WM_CLOSE, 0, 0);
        current = tool;
        return true;
    }
    return false;
}

bool use_once(DWORD process, HWND launcher, const Recipe& recipe) {
    const std::vector<HWND> before = visible_windows(process);
    PostMessageW(launcher, WM_COMMAND, recipe.command, 0);
    HWND tool = new_window(process, before);
    if (!tool) {
        std::fputs("No window opened.\n", stderr);
        return false;
    }
    HWND current = tool;
    for (const std::wstring& step : recipe.steps)
        if (!run_step(process, tool, current, step)) {
            wchar_t caption[128] = {};
            GetWindowTextW(current, caption, 128);
            std::fprintf(stderr, "Step %ls failed in \"%ls\" (error %lu).\n", step.c_str(), caption,
                         GetLastError());
            return false;
        }
    send(tool, WM_CLOSE, 0, 0);
    if (IsWindow(tool)) std::fputs("The tool stayed open.\n", stderr);
    return !IsWindow(tool);
}

void print_row(int command, const Figures& start, const Figures& warm, const Figures& end) {
    std::printf("%4d  %5lu %5lu %5lu  %4zu %4zu %4zu  %4lu %4lu %4lu  %4lu %4lu %4lu  %7zu %7zu %7zu\n",
                command, start.handles, warm.handles, end.handles, start.windows, warm.windows,
                end.windows, start.gdi_objects, warm.gdi_objects, end.gdi_objects, start.user_objects,
                warm.user_objects, end.user_objects, start.pagefile_kib, warm.pagefile_kib,
                end.pagefile_kib);
    std::fflush(stdout);
}

}  // namespace

int soak(int cycles, const std::vector<std::wstring>& recipe_texts) {
    HWND launcher = activated_launcher();
    if (!launcher) return 1;
    DWORD process_id = 0;
    GetWindowThreadProcessId(launcher, &process_id);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id);
    BoxAnswerer answerer(process_id);
    constexpr int warm_up_cycles = 10;
    std::printf("tool  handles: start warm  end  windows: start warm end  gdi: start warm end"
                "  user: start warm end  pagefile KiB: start warm end\n");
    for (const std::wstring& text : recipe_texts) {
        Recipe recipe;
        if (!parse(text, recipe)) return -1;
        const Figures start = measure(process, process_id);
        Figures warm = start;
        for (int cycle = 1; cycle <= cycles; ++cycle) {
            if (!use_once(process_id, launcher, recipe)) {
                std::fprintf(stderr, "Tool %d failed in cycle %d.\n", recipe.command, cycle);
                return 1;
            }
            if (cycle == warm_up_cycles) warm = measure(process, process_id);
        }
        print_row(recipe.command, start, warm, measure(process, process_id));
    }
    CloseHandle(process);
    return 0;
}

int quit() {
    HWND launcher = FindWindowW(nullptr, version_title);
    if (!launcher) return 1;
    DWORD process_id = 0;
    GetWindowThreadProcessId(launcher, &process_id);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, process_id);
    PostMessageW(launcher, WM_CLOSE, 0, 0);
    DWORD waited = WaitForSingleObject(process, window_timeout_ms);
    CloseHandle(process);
    return waited == WAIT_OBJECT_0 ? 0 : 1;
}

}  // namespace quivra
