#!/usr/bin/env bash
# Prints figures, judging none: how long quivra.exe takes under Wine from
# being started to showing its launcher, next to Wine's own Notepad started
# the same way, a bare window (the floor: one class, one window, nothing
# else) and the launcher's own template shown by a procedure that does
# nothing (the bare launcher), with the size of quivra.exe and its peak working set; each
# tool's opening from its launcher button; then, with
# every CPU kept busy, the stopwatch's reading against real time and how
# late a countdown rings.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

runs=${BENCH_RUNS:-15}
launcher_title="Quivra v1.23"
counting_seconds=30

need_packages "${windows_packages[@]}"
build_windows >/dev/null
# A copy of the program, so that the tarv.ini it writes on closing stays
# out of the build.
scratch=$(mktemp -d)
busy=()
stop_load() {
    [ ${#busy[@]} -eq 0 ] || kill "${busy[@]}" 2>/dev/null || true
    busy=()
}
trap 'stop_load; stop_wine_and_display; rm -rf "$scratch"' EXIT
ensure_display
program=$windows_build/app/quivra.exe
cp "$program" "$scratch/"

# Prints "ms=… peak_kib=…" for one start. On a Wine virtual desktop, as
# the other scripts, where no window manager holds up a window's closing.
timed_start() {
    (cd "$scratch" && "$root/scripts/wine-run" "$WINEPREFIX" explorer /desktop=bench,1024x768 \
        "$windows_build/scripts/drive_and_measure/quivra_probe.exe" start "$@")
}

# Taken in turns, so that whatever else slows the machine weighs on both.
quivra=() notepad=() floor=() bare=()
for run in $(seq 0 $runs); do
    quivra_run=$(timed_start quivra.exe --title "$launcher_title")
    notepad_run=$(timed_start 'C:\windows\notepad.exe' --class Notepad)
    floor_run=$(timed_start "$windows_build/scripts/drive_and_measure/quivra_floor.exe" --title "Quivra floor")
    bare_run=$(timed_start "$windows_build/scripts/drive_and_measure/quivra_bare_launcher.exe" \
        --title "Quivra bare launcher")
    [ "$run" -eq 0 ] && continue  # the warm-up
    quivra+=("$quivra_run")
    notepad+=("$notepad_run")
    floor+=("$floor_run")
    bare+=("$bare_run")
done

# median FIELD RUN...: the median of that field's values over the runs.
median() {
    local field=$1
    shift
    printf '%s\n' "$@" | sed -n "s/.*$field=\([0-9.]*\).*/\1/p" | sort -g | sed -n "$(( ($# + 1) / 2 ))p"
}

quivra_ms=$(median ms "${quivra[@]}")
notepad_ms=$(median ms "${notepad[@]}")
floor_ms=$(median ms "${floor[@]}")
bare_ms=$(median ms "${bare[@]}")
size=$(stat -c %s "$program")
echo "quivra.exe: $size bytes ($(awk "BEGIN { printf \"%.1f\", $size / 1024 }") KiB)"
echo "Cold start to the window shown, under $(wine --version), median of $runs runs after one warm-up:"
printf '  %-14s %8.1f ms\n' quivra.exe "$quivra_ms" notepad.exe "$notepad_ms" floor "$floor_ms" \
    "bare launcher" "$bare_ms"
ratio() { awk "BEGIN { printf \"  ratio          %8.2f ($1 / $3)\\n\", $2 / $4 }"; }
ratio quivra.exe "$quivra_ms" notepad.exe "$notepad_ms"
ratio quivra.exe "$quivra_ms" floor "$floor_ms"
ratio quivra.exe "$quivra_ms" "bare launcher" "$bare_ms"
ratio "bare launcher" "$bare_ms" floor "$floor_ms"
echo "Peak working set once the window is open, median:"
printf '  %-14s %8d KiB\n' quivra.exe "$(median peak_kib "${quivra[@]}")" \
    notepad.exe "$(median peak_kib "${notepad[@]}")" floor "$(median peak_kib "${floor[@]}")" \
    "bare launcher" "$(median peak_kib "${bare[@]}")"

# Each tool's opening from the launcher's button to its window shown and
# idle, in a fresh program each time, as a user's first click finds it.
tool_commands=$(sed -n 's/^#define IDC_OPEN_[A-Z_]* \([0-9]*\).*/\1/p' "$root/res/launcher_ids.h")
echo "Each tool's opening from its button, median of 3 fresh starts:"
for command in $tool_commands; do
    times=()
    for _ in 1 2 3; do
        (cd "$scratch" && exec "$root/scripts/wine-run" "$WINEPREFIX" \
            explorer /desktop=bench,1024x768 quivra.exe) >/dev/null 2>&1 &
        program=$!
        times+=("$(cd "$scratch" && "$root/scripts/wine-run" "$WINEPREFIX" \
            "$windows_build/scripts/drive_and_measure/quivra_probe.exe" --desktop bench openings "$command")")
        (cd "$scratch" && "$root/scripts/wine-run" "$WINEPREFIX" \
            "$windows_build/scripts/drive_and_measure/quivra_probe.exe" --desktop bench quit) >/dev/null
        wait "$program" || true
    done
    printf '  %-4s %8.1f ms\n' "$command" "$(median "$command" "${times[@]}")"
done

# counting TOOL: starts a copy of the program, has the probe time one of
# its counting tools and prints the probe's line.
counting() {
    (cd "$scratch" && exec "$root/scripts/wine-run" "$WINEPREFIX" \
        explorer /desktop=bench,1024x768 quivra.exe) >/dev/null 2>&1 &
    local program=$!
    (cd "$scratch" && "$root/scripts/wine-run" "$WINEPREFIX" \
        "$windows_build/scripts/drive_and_measure/quivra_probe.exe" --desktop bench "$1" "$counting_seconds")
    wait "$program" || true
}

for _ in $(seq "$(nproc)"); do
    (while :; do :; done) &
    busy+=($!)
done
stopwatch_run=$(counting stopwatch)
countdown_run=$(counting countdown)
stop_load

field() { sed -n "s/.*$1=\([0-9.-]*\).*/\1/p" <<<"$2"; }
echo "With all $(nproc) CPUs kept busy:"
reading_ms=$(field reading_ms "$stopwatch_run")
real_ms=$(field real_ms "$stopwatch_run")
awk "BEGIN { printf \"  stopwatch after %d s: reads %.1f s, real %.3f s (±%.1f ms), off by %+.0f ms\\n\", \
    $counting_seconds, $reading_ms / 1000, $real_ms / 1000, $(field uncertainty_ms "$stopwatch_run"), \
    $reading_ms - $real_ms }"
echo "  stopwatch tenths shown while running: $(field shown_tenths "$stopwatch_run")," \
    "skipped: $(field skipped_tenths "$stopwatch_run")"
echo "  countdown of $counting_seconds s: rang $(field lateness_ms "$countdown_run") ms after its moment," \
    "its box showed after $(field box_ms "$countdown_run") ms"
