// Measures the counting tools of a running quivra.exe against real time.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <cwctype>
#include <string>
#include <vector>

#include "res/dialogs/stopwatch.h"
#include "res/dialogs/timer.h"
#include "res/launcher_ids.h"
#include "scripts/drive_and_measure/probe_commands.h"
#include "scripts/drive_and_measure/process_windows.h"

namespace quivra {

namespace {

constexpr DWORD box_grace_ms = 30000;
// Long enough for the caption to count a second down, short against any countdown.
constexpr DWORD caption_delay_ms = 1500;
constexpr DWORD foreground_grace_ms = 2000;
constexpr std::int64_t filetime_units_per_ms = 10000;

double now_ms() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(now.QuadPart) / double(frequency.QuadPart);
}

std::int64_t local_ms(const SYSTEMTIME& time) {
    FILETIME file;
    SystemTimeToFileTime(&time, &file);
    return std::int64_t((std::uint64_t(file.dwHighDateTime) << 32) | file.dwLowDateTime) /
           filetime_units_per_ms;
}

SYSTEMTIME local_time_after(const SYSTEMTIME& start, int seconds) {
    std::int64_t later = (local_ms(start) + seconds * 1000LL) * filetime_units_per_ms;
    FILETIME file{DWORD(later), DWORD(later >> 32)};
    SYSTEMTIME time;
    FileTimeToSystemTime(&file, &time);
    return time;
}

std::wstring text_of(HWND control) {
    wchar_t text[256] = {};
    SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

// The tenths in a reading such as "1時間 2分 3.4秒": its last number is the
// tenths, then come seconds, minutes and hours.
long long tenths_of(const std::wstring& reading) {
    std::vector<long long> numbers;
    bool in_number = false;
    for (wchar_t c : reading) {
        if (!std::iswdigit(c) || c > L'9') {
            in_number = false;
            continue;
        }
        if (!in_number) numbers.insert(numbers.begin(), 0);
        numbers.front() = numbers.front() * 10 + (c - L'0');
        in_number = true;
    }
    const long long scale[] = {1, 10, 600, 36000};
    long long tenths = 0;
    for (std::size_t i = 0; i < numbers.size() && i < 4; ++i) tenths += numbers[i] * scale[i];
    return tenths;
}

// A short silent WAVE file in the current folder, for the alarm.
std::wstring silent_wave() {
    constexpr std::uint32_t samples = 800;
    struct Header {
        char riff[4] = {'R', 'I', 'F', 'F'};
        std::uint32_t riff_size = 36 + samples;
        char wave_fmt[8] = {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
        std::uint32_t fmt_size = 16;
        std::uint16_t format = 1, channels = 1;
        std::uint32_t rate = 8000, byte_rate = 8000;
        std::uint16_t block_align = 1, bits = 8;
        char data[4] = {'d', 'a', 't', 'a'};
        std::uint32_t data_size = samples;
    } header;
    std::vector<char> bytes(reinterpret_cast<char*>(&header), reinterpret_cast<char*>(&header + 1));
    bytes.resize(bytes.size() + samples, char(0x80));
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"\\bench.wav";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

// The picker's message carries a pointer, which must point into the
// program's own memory.
void pick_time(HWND picker, const SYSTEMTIME& time) {
    DWORD process = 0;
    GetWindowThreadProcessId(picker, &process);
    HANDLE program = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, process);
    void* remote = VirtualAllocEx(program, nullptr, sizeof time, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(program, remote, &time, sizeof time, nullptr);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(remote));
    VirtualFreeEx(program, remote, 0, MEM_RELEASE);
    CloseHandle(program);
}

std::string utf8(const std::wstring& text) {
    std::string out(text.size() * 4, '\0');
    out.resize(std::size_t(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(),
                                               int(out.size()), nullptr, nullptr)));
    return out;
}

HWND wait_for_box(HWND owner, DWORD timeout_ms) {
    DWORD process = 0;
    GetWindowThreadProcessId(owner, &process);
    return wait_for(
        [&] {
            for (HWND window : visible_windows(process))
                if (text_of(window) == L"Quivra") return window;
            return HWND{};
        },
        timeout_ms);
}

}  // namespace

int time_stopwatch(int seconds) {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    HWND launcher = activated_launcher();
    HWND stopwatch = launcher ? open_from(launcher, IDC_OPEN_STOPWATCH) : nullptr;
    if (!stopwatch) return 1;
    const double before_start = now_ms();
    press(stopwatch, IDC_STOPWATCH_BUTTON);
    const double after_start = now_ms();
    // Read every few milliseconds: a tenth the window never showed was skipped.
    HWND reading = GetDlgItem(stopwatch, IDC_STOPWATCH_ELAPSED);
    long long last = 0, shown = 0, skipped = 0;
    while (now_ms() < after_start + seconds * 1000.0) {
        Sleep(3);
        long long tenths = tenths_of(text_of(reading));
        if (tenths == last) continue;
        ++shown;
        skipped += tenths - last - 1;
        last = tenths;
    }
    const double before_stop = now_ms();
    press(stopwatch, IDC_STOPWATCH_BUTTON);
    const double after_stop = now_ms();
    // The clicks took this long to be handled; each moment lies within its click.
    const double real = (before_stop + after_stop - before_start - after_start) / 2;
    const double uncertainty = (after_start - before_start + after_stop - before_stop) / 2;
    std::printf("reading_ms=%lld real_ms=%.1f uncertainty_ms=%.1f shown_tenths=%lld skipped_tenths=%lld\n",
                tenths_of(text_of(reading)) * 100, real, uncertainty, shown, skipped);
    PostMessageW(launcher, WM_CLOSE, 0, 0);
    return 0;
}

int time_countdown(int seconds, bool minimised) {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    HWND launcher = activated_launcher();
    HWND timer = launcher ? open_from(launcher, IDC_OPEN_TIMER) : nullptr;
    if (!timer) return 1;
    SendMessageW(GetDlgItem(timer, IDC_ALARM_FILE), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(silent_wave().c_str()));
    SYSTEMTIME now;
    GetLocalTime(&now);
    now.wMilliseconds = 0;
    const SYSTEMTIME ring_at = local_time_after(now, seconds);
    if (ring_at.wDay != now.wDay) {
        std::fputs("Too close to midnight for a time of day today.\n", stderr);
        return 1;
    }
    pick_time(GetDlgItem(timer, IDC_RING_TIME), ring_at);
    press(timer, IDC_TIMER_START);
    if (minimised) {
        // Minimised with the launcher in front, as when the user works elsewhere.
        ShowWindow(timer, SW_MINIMIZE);
        SetForegroundWindow(launcher);
    }
    Sleep(caption_delay_ms);
    const std::wstring caption = text_of(timer);
    const DWORD timeout_ms = DWORD(seconds) * 1000 + box_grace_ms;
    // The sound is asked for just before the box begins, which disables the timer's window.
    wait_for([&] { return IsWindowEnabled(timer) ? HWND{} : timer; }, timeout_ms);
    SYSTEMTIME rang;
    GetLocalTime(&rang);
    HWND box = wait_for_box(timer, timeout_ms);
    SYSTEMTIME shown;
    GetLocalTime(&shown);
    if (!box) {
        std::fputs("The time-up box did not appear.\n", stderr);
        return 1;
    }
    std::printf("lateness_ms=%lld box_ms=%lld", static_cast<long long>(local_ms(rang) - local_ms(ring_at)),
                static_cast<long long>(local_ms(shown) - local_ms(ring_at)));
    // The box may take the foreground a moment after it shows.
    bool in_front = wait_for([&] { return GetForegroundWindow() == box ? box : HWND{}; }, foreground_grace_ms);
    bool iconic = IsIconic(timer);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    wait_for([&] { return IsWindow(box) ? HWND{} : timer; }, box_grace_ms);
    std::printf(" foreground=%s iconic=%d caption=%s caption_after=%s\n", in_front ? "box" : "other",
                iconic, utf8(caption).c_str(), utf8(text_of(timer)).c_str());
    PostMessageW(launcher, WM_CLOSE, 0, 0);
    return 0;
}

}  // namespace quivra
