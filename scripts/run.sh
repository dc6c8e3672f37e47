#!/usr/bin/env bash
# Builds quivra.exe and starts it under Wine on this display.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${windows_packages[@]}"
need_japanese_locale
build_windows
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: set DISPLAY to the X display Quivra should appear on." >&2
    exit 1
fi
LC_ALL=$japanese_locale exec "$root/scripts/wine-run" "$WINEPREFIX" "$windows_build/app/quivra.exe"
