// quivra_probe: drives quivra.exe from outside, for the screenshot, benchmark,
// soak and end-of-session scripts:
//   quivra_probe [--desktop NAME] rect
//   quivra_probe [--desktop NAME] send COMMAND [BUTTON | COMBO=ROW ...]
//   quivra_probe start PROGRAM (--title TITLE | --class CLASS)
//   quivra_probe [--desktop NAME] soak CYCLES RECIPE...
//   quivra_probe [--desktop NAME] openings COMMAND...
//   quivra_probe [--desktop NAME] quit
//   quivra_probe stopwatch SECONDS
//   quivra_probe countdown SECONDS [--minimised]
//   quivra_probe [--desktop NAME] topmost COMMAND [--toggle]
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "scripts/drive_and_measure/probe_commands.h"

namespace {

constexpr DWORD desktop_timeout_ms = 30000;

constexpr char usage[] =
    "usage: quivra_probe [--desktop NAME] rect\n"
    "       quivra_probe [--desktop NAME] send COMMAND [BUTTON | COMBO=ROW ...]\n"
    "       quivra_probe start PROGRAM (--title TITLE | --class CLASS)\n"
    "       quivra_probe [--desktop NAME] soak CYCLES RECIPE...\n"
    "       quivra_probe [--desktop NAME] openings COMMAND...\n"
    "       quivra_probe [--desktop NAME] quit\n"
    "       quivra_probe stopwatch SECONDS\n"
    "       quivra_probe countdown SECONDS [--minimised]\n"
    "       quivra_probe [--desktop NAME] topmost COMMAND [--toggle]\n";

std::optional<int> number(const std::wstring& text) {
    wchar_t* end;
    long value = std::wcstol(text.c_str(), &end, 10);
    if (text.empty() || *end || value < 0 || value > 0xFFFF) return std::nullopt;
    return int(value);
}

// Windows are only found on the probe's own desktop, so it joins the Wine
// virtual desktop that quivra.exe is being started on.
bool move_to_desktop(const std::wstring& name) {
    const ULONGLONG deadline = GetTickCount64() + desktop_timeout_ms;
    HDESK desktop;
    while (!(desktop = OpenDesktopW(name.c_str(), 0, FALSE, GENERIC_ALL)) &&
           GetTickCount64() < deadline)
        Sleep(100);
    if (desktop && SetThreadDesktop(desktop)) return true;
    std::fprintf(stderr, "No desktop %ls (error %lu).\n", name.c_str(), GetLastError());
    return false;
}

int run(std::vector<std::wstring> args) {
    if (args.size() >= 2 && args[0] == L"--desktop") {
        if (!move_to_desktop(args[1])) return 1;
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() == 1 && args[0] == L"rect") return quivra::print_launcher_rectangle();
    if (args.size() >= 2 && args[0] == L"send") {
        std::optional<int> command = number(args[1]);
        if (!command) return -1;
        std::vector<quivra::Step> steps;
        for (size_t i = 2; i < args.size(); ++i) {
            std::size_t equals = args[i].find(L'=');
            std::optional<int> id = number(args[i].substr(0, equals));
            std::optional<int> row = equals == std::wstring::npos ? -1 : number(args[i].substr(equals + 1));
            if (!id || !row) return -1;
            steps.push_back({*id, *row});
        }
        return quivra::send_command(*command, steps);
    }
    if (args.size() >= 3 && args[0] == L"soak") {
        std::optional<int> cycles = number(args[1]);
        if (!cycles) return -1;
        return quivra::soak(*cycles, {args.begin() + 2, args.end()});
    }
    if (args.size() >= 2 && args[0] == L"openings") {
        std::vector<int> commands;
        for (std::size_t i = 1; i < args.size(); ++i) {
            std::optional<int> command = number(args[i]);
            if (!command) return -1;
            commands.push_back(*command);
        }
        return quivra::time_openings(commands);
    }
    if (args.size() == 1 && args[0] == L"quit") return quivra::quit();
    if (args.size() == 2 && args[0] == L"stopwatch") {
        std::optional<int> seconds = number(args[1]);
        return seconds ? quivra::time_stopwatch(*seconds) : -1;
    }
    if ((args.size() == 2 || (args.size() == 3 && args[2] == L"--minimised")) && args[0] == L"countdown") {
        std::optional<int> seconds = number(args[1]);
        return seconds ? quivra::time_countdown(*seconds, args.size() == 3) : -1;
    }
    if ((args.size() == 2 || (args.size() == 3 && args[2] == L"--toggle")) && args[0] == L"topmost") {
        std::optional<int> command = number(args[1]);
        return command ? quivra::stay_on_top(*command, args.size() == 3) : -1;
    }
    if (args.size() == 4 && args[0] == L"start" && (args[2] == L"--title" || args[2] == L"--class"))
        return quivra::time_start(args[1], args[2] == L"--class", args[3]);
    return -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Read by shell scripts: plain "\n" line ends.
    _setmode(_fileno(stdout), _O_BINARY);
    int status = run({argv + 1, argv + argc});
    if (status < 0) {
        std::fputs(usage, stderr);
        return 2;
    }
    return status;
}
