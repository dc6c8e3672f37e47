#!/usr/bin/env bash
# Long use: starts the real program under Wine, opens, uses and closes every
# tool CYCLES times (default 1000) and prints, per tool, what the process
# holds before and after; then leaves it at rest for 10 seconds and prints
# its context switches and CPU time meanwhile, read from Linux for every
# thread of the Wine process.
usage="usage: scripts/soak.sh [CYCLES]"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

cycles=${1:-1000}
[[ $cycles =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }
rest_seconds=10

need_packages "${windows_packages[@]}"
build_windows >/dev/null

# A control id by its name in the ids headers.
id() { sed -n "s/^#define $1 \([0-9]*\).*/\1/p" "$root"/res/launcher_ids.h "$root"/res/dialogs/*.h; }
# A list converter's control: its base plus the control's offset.
list_id() { echo $(($(id "$1_CONVERTER_BASE") + $(id "$2"))); }

scratch=$(mktemp -d)
trap 'stop_wine_and_display; rm -rf "$scratch"' EXIT
cp "$windows_build/app/quivra.exe" "$windows_build/app/ok.wav" "$windows_build/app/error.wav" "$scratch/"
# The timer's alarm, as Wine names the copy beside the program.
alarm="Z:${scratch//\//\\}\\ok.wav"

# One use of each tool: "COMMAND:STEP,..." with cID a click, tID=TEXT a
# field's text, oID a menu command opening a window and x closing it.
recipes=("$(id IDC_OPEN_DATE_CALCULATOR):c$(id IDC_DAYS_BETWEEN),t$(id IDC_DAY_COUNT)=100,c$(id IDC_DATE_AFTER)")
recipes+=("$(id IDC_OPEN_TIME_CALCULATOR):$(printf 'c%s,' "$(id IDC_CALC_DIGIT_1)" "$(id IDC_CALC_HOURS)" \
    "$(id IDC_CALC_PLUS)" "$(id IDC_CALC_DIGIT_3)" "$(id IDC_CALC_MINUTES)")c$(id IDC_CALC_EQUALS)")
# Started three minutes ahead and cancelled; the cancel's box is answered.
recipes+=("$(id IDC_OPEN_TIMER):c$(id IDC_MINUTES_LATER),t$(id IDC_ALARM_FILE)=$alarm,c$(id IDC_TIMER_START),c$(id IDC_TIMER_CANCEL)")
recipes+=("$(id IDC_OPEN_STOPWATCH):c$(id IDC_STOPWATCH_BUTTON),c$(id IDC_STOPWATCH_BUTTON)")
recipes+=("$(id IDC_OPEN_TIME_OF_DAY):c$(id IDC_TOD_CONVERT),c$(id IDC_TOD_SPAN),c$(id IDC_TOD_OFFSET)")
recipes+=("$(id IDC_OPEN_DRIVES):c$(id IDC_DRIVE_EXAMINE)")
recipes+=("$(id IDC_OPEN_GAME):c$(id IDC_GAME_START),c$(id IDC_GAME_START)")
for tool in LENGTH WEIGHT AREA VOLUME SPEED FUEL DATA ENERGY PRESSURE POWER; do
    recipes+=("$(id "IDC_OPEN_$tool"):t$(list_id $tool IDC_LIST_VALUE)=3,c$(list_id $tool IDC_LIST_CONVERT)")
done
recipes+=("$(id IDC_OPEN_WORLD_CLOCK):c$(id IDC_WORLD_REPORT)"
          "$(id IDC_OPEN_TEMPERATURE):t$(id IDC_TEMPERATURE_VALUE)=36,c$(id IDC_TEMPERATURE_CONVERT)"
          "$(id IDC_OPEN_TAX):t$(id IDC_TAX_PRICE)=1980,c$(id IDC_TAX_CALCULATE)"
          "$(id IDC_OPEN_CURRENCY):t$(id IDC_CURRENCY_AMOUNT)=250,c$(id IDC_CURRENCY_CONVERT)"
          "$(id IDC_OPEN_CURRENCY):o$(id IDM_RATE_EDITOR),c$(id IDC_RATE_CANCEL),x"
          "$(id IDC_OPEN_DATE_CALCULATOR):o$(id IDM_OFFICE_CALENDAR),x"
          "$(id IDC_OPEN_TIMER):o$(id IDM_NEW_TIMER),x"
          "$(id IDC_OPEN_AGE):c$(id IDC_AGE_CALCULATE),o$(id IDM_AGE_TABLE),x"
          "$(id IDC_OPEN_ALARMS):c$(id IDC_ALARM_SWITCH)")

start_display 300
probe() {
    "$root/scripts/wine-run" "$WINEPREFIX" "$windows_build/scripts/drive_and_measure/quivra_probe.exe" \
        --desktop soak "$@"
}
(cd "$scratch" && exec "$root/scripts/wine-run" "$WINEPREFIX" \
    explorer /desktop=soak,1024x768 quivra.exe) >/dev/null 2>&1 &

echo "$cycles cycles of each tool under $(wine --version)"
echo "(handles: the system's handle table (NtQuerySystemInformation); windows: visible top-level windows and their"
echo " children; gdi and user: GetGuiResources, which Wine answers with 0; memory:"
echo " page-file usage, Wine's private committed bytes)"
probe soak "$cycles" "${recipes[@]}"

# Rest: nothing counts, so nothing should wake the program.
pid=$(pgrep -n -x quivra.exe)
rest_figures() {
    local switches=0 ticks=0
    for task in /proc/"$pid"/task/*; do
        switches=$((switches + $(awk '/ctxt_switches/ { n += $2 } END { print n }' "$task/status")))
        ticks=$((ticks + $(awk '{ print $14 + $15 }' "$task/stat")))
    done
    echo "$switches $ticks"
}
read -r switches_before ticks_before <<<"$(rest_figures)"
sleep "$rest_seconds"
read -r switches_after ticks_after <<<"$(rest_figures)"
echo "At rest for $rest_seconds s: $((switches_after - switches_before)) context switches," \
     "$(( (ticks_after - ticks_before) * 1000 / $(getconf CLK_TCK) )) ms of CPU time" \
     "($(ls /proc/"$pid"/task | wc -l) threads)"
probe quit
