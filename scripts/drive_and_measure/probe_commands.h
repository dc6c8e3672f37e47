// The probe's subcommands; each prints its result on one line and
// returns the exit status.
#pragma once

#include <string>
#include <vector>

namespace quivra {

// "x y width height" of the launcher's outer rectangle, in screen pixels.
int print_launcher_rectangle();

// One step in an opened window: press a button, choose a menu command, or
// (with a row) choose that row of a combo box as the user would.
struct Step {
    int id = 0;
    int row = -1;
};

// Sends a launcher command, takes `steps` in the window it opens and
// prints that window's rectangle as above.
int send_command(int command, const std::vector<Step>& steps);

// Opens each tool from the launcher in turn and prints "COMMAND=MS" for
// each: from the command to its window shown and idle; then closes it.
int time_openings(const std::vector<int>& commands);

// Starts `program` and prints "ms=… peak_kib=…": the time until its window
// with this caption (or class) shows, and its peak working set by then.
int time_start(const std::wstring& program, bool by_class, const std::wstring& name);

// Uses each tool `cycles` times as its recipe says and prints, per tool, the
// process's handles, windows, GDI and USER objects and page-file usage at
// the start, after ten cycles and at the end.
int soak(int cycles, const std::vector<std::wstring>& recipes);

// Closes the launcher, as its menu's 終了 does, and waits for the program to end.
int quit();

// Starts the stopwatch of the running program, stops it `seconds` later
// and prints "reading_ms=… real_ms=… uncertainty_ms=…".
int time_stopwatch(int seconds);

// Sets the running program's timer to ring `seconds` ahead at a time of
// day and prints "lateness_ms=… box_ms=…": how long after that moment it
// rang, and its message box showed; then "foreground=box|other iconic=…
// caption=… caption_after=…": whether the box took the foreground, whether
// the timer was minimised, its caption while counting and after the box
// (UTF-8). `minimised` minimises the timer once it counts, with the
// launcher in front.
int time_countdown(int seconds, bool minimised);

// Opens a tool from the launcher, chooses its system menu's 常に手前に表示
// when `toggle`, and prints "topmost=0|1" as its window now stands.
int stay_on_top(int command, bool toggle);

}  // namespace quivra
