#!/usr/bin/env bash
# Takes a picture of one of Quivra's windows as Wine draws it, captions and
# frames included, on a private 1024x768 screen at 96 dpi so it comes out
# the same on every machine.
usage="usage: scripts/screenshot.sh launcher|about|COMMAND OUT.png [BUTTON_ID...]
  COMMAND    a launcher button's command (81 and up): pictures the tool it opens
  BUTTON_ID  pressed in the opened window, in order, before the picture; an id
             that names no control is chosen as a menu command, and the window
             it opens is pictured instead
  The program starts with no tarv.ini, or a copy of \$QUIVRA_SETTINGS when set.
  \$QUIVRA_SCREEN (WIDTHxHEIGHT) and \$QUIVRA_DPI (144 is 150 %, 192 is 200 %)
  choose another screen and scale; the prefix goes back to 96 dpi afterwards."
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

[ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
what=$1
out=$2
shift 2
case $what in
    launcher) [ $# -eq 0 ] || { echo "$usage" >&2; exit 2; }
              probe_command=(rect) ;;
    about) probe_command=(send 69 "$@") ;;
    [0-9]*) probe_command=(send "$what" "$@") ;;
    *) echo "$usage" >&2; exit 2 ;;
esac

need_packages imagemagick xdotool "${windows_packages[@]}"
need_japanese_locale
export LC_ALL=$japanese_locale
build_windows >/dev/null

screen=${QUIVRA_SCREEN:-1024x768}
dpi=${QUIVRA_DPI:-96}
[[ $screen =~ ^[0-9]+x[0-9]+$ && $dpi =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }
# Wine reads the system DPI when its server starts.
set_dpi() {
    wineserver -k 2>/dev/null || true
    "$root/scripts/wine-run" "$WINEPREFIX" reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
        /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -w
}

# A copy of the program, so that the tarv.ini it writes on closing stays
# out of the build.
scratch=$(mktemp -d)
trap 'stop_wine_and_display; [ "$dpi" = 96 ] || set_dpi 96; rm -rf "$scratch"' EXIT
[ "$dpi" = 96 ] || set_dpi "$dpi"
cp "$windows_build/app/quivra.exe" "$scratch/"
[ -z "${QUIVRA_SETTINGS:-}" ] || cp "$QUIVRA_SETTINGS" "$scratch/tarv.ini"
# Numbered apart from the displays the test runs take, so the two can run
# side by side; always its own, so pictures are the same everywhere.
start_display 200 "$screen"
# The pointer would otherwise rest on the middle of the screen, where the
# windows open.
xdotool mousemove "$((${screen%x*} - 1))" "$((${screen#*x} - 1))"

# The virtual desktop has Wine draw the captions and frames itself.
(cd "$scratch" && exec "$root/scripts/wine-run" "$WINEPREFIX" \
    explorer /desktop=quivra,"$screen" quivra.exe) >/dev/null 2>&1 &
rectangle=$("$root/scripts/wine-run" "$WINEPREFIX" "$windows_build/scripts/drive_and_measure/quivra_probe.exe" \
    --desktop quivra "${probe_command[@]}")
read -r x y width height <<<"$rectangle"
import -window root -crop "${width}x${height}+${x}+${y}" +repage "$out"
echo "$out: ${width}x${height}"
