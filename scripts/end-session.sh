#!/usr/bin/env bash
# Ends a Wine session under a running Quivra, as a Windows shut-down does,
# after choosing ロンドン in the world clock and making its report, and
# prints whether the program ended and what tarv.ini then holds for it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${windows_packages[@]}"
build_windows >/dev/null
scratch=$(mktemp -d)
trap 'stop_wine_and_display; rm -rf "$scratch"' EXIT
ensure_display
cp "$windows_build/app/quivra.exe" "$scratch/"

# Ids from res/dialogs/world_clock.h and res/launcher_ids.h; ロンドン is row 23.
(cd "$scratch" && exec "$root/scripts/wine-run" "$WINEPREFIX" explorer /desktop=session,1024x768 quivra.exe) \
    >/dev/null 2>&1 &
program=$!
(cd "$scratch" && "$root/scripts/wine-run" "$WINEPREFIX" "$windows_build/scripts/drive_and_measure/quivra_probe.exe" \
    --desktop session send 86 631=23 641) >/dev/null
# wineboot reaches only the windows of its own desktop.
(cd "$scratch" && "$root/scripts/wine-run" "$WINEPREFIX" explorer /desktop=session,1024x768 wineboot -e)
for _ in $(seq 40); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.25
done
if kill -0 "$program" 2>/dev/null; then echo "quivra.exe: still running"; else echo "quivra.exe: ended"; fi
echo "tarv.ini: $(grep -a '^world_def=' "$scratch/tarv.ini" 2>/dev/null | tr -d '\r' || echo 'not written')"
