#!/usr/bin/env bash
# Takes a picture of one of Quivra's windows as Wine draws it, captions and
# frames included, on a private 1024x768 screen so it comes out the same
# on every machine.
usage="usage: scripts/screenshot.sh launcher|about|COMMAND OUT.png [BUTTON_ID...]
  COMMAND    a launcher button's command, 81 to 96: pictures the tool it opens
  BUTTON_ID  pressed in the opened window, in order, before the picture; an id
             that names no control is chosen as a menu command, and the window
             it opens is pictured instead
  The program starts with no tarv.ini, or a copy of \$QUIVRA_SETTINGS when set."
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

[ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
what=$1
out=$2
shift 2
case $what in
    launcher) [ $# -eq 0 ] || { echo "$usage" >&2; exit 2; }
              probe_command=(rect) ;;
    about) probe_command=(send 69 "$@") ;;
    8[1-9] | 9[0-6]) probe_command=(send "$what" "$@") ;;
    *) echo "$usage" >&2; exit 2 ;;
esac

need_packages imagemagick xdotool "${windows_packages[@]}"
need_japanese_locale
export LC_ALL=$japanese_locale
build_windows >/dev/null

# A copy of the program, so that the tarv.ini it writes on closing stays
# out of the build.
scratch=$(mktemp -d)
trap 'stop_wine_and_display; rm -rf "$scratch"' EXIT
cp "$windows_build/app/quivra.exe" "$scratch/"
[ -z "${QUIVRA_SETTINGS:-}" ] || cp "$QUIVRA_SETTINGS" "$scratch/tarv.ini"
# Numbered apart from the displays the test runs take, so the two can run
# side by side; always its own, so pictures are the same everywhere.
start_display 200
# The pointer would otherwise rest on the middle of the screen, where the
# windows open.
xdotool mousemove 1023 767

# The virtual desktop has Wine draw the captions and frames itself.
(cd "$scratch" && exec "$root/scripts/wine-run" "$WINEPREFIX" \
    explorer /desktop=quivra,1024x768 quivra.exe) >/dev/null 2>&1 &
rectangle=$("$root/scripts/wine-run" "$WINEPREFIX" "$windows_build/scripts/drive_and_measure/quivra_probe.exe" \
    --desktop quivra "${probe_command[@]}")
read -r x y width height <<<"$rectangle"
import -window root -crop "${width}x${height}+${x}+${y}" +repage "$out"
echo "$out: ${width}x${height}"
