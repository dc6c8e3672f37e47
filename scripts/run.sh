#!/usr/bin/env bash
# Builds quivra.exe and starts it under Wine on this display; with no
# display, on a private screen shared with a browser on this machine only.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${windows_packages[@]}"
need_japanese_locale
build_windows
if [ -n "${DISPLAY:-}" ]; then
    LC_ALL=$japanese_locale exec "$root/scripts/wine-run" "$WINEPREFIX" "$windows_build/app/quivra.exe"
fi

# The first of `count` ports from `first` on that nothing listens on.
free_port() {
    local port
    for port in $(seq "$1" $(($1 + 99))); do
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return; }
    done
    echo "No free port from $1 on" >&2
    return 1
}

need_packages x11vnc websockify novnc
screen_size=1280x800
start_display 60 "$screen_size"
vnc_port=$(free_port 5900)
x11vnc -display "$DISPLAY" -localhost -rfbport "$vnc_port" -forever -shared -nopw -quiet >/dev/null 2>&1 &
vnc=$!
web_port=$(free_port 6080)
websockify --web /usr/share/novnc "127.0.0.1:$web_port" "127.0.0.1:$vnc_port" >/dev/null 2>&1 &
web=$!
stop_everything() {
    kill "$web" "$vnc" 2>/dev/null || true
    stop_wine_and_display
}
trap stop_everything EXIT
trap 'exit 130' INT TERM
echo "Quivra is on a private screen. Open this address in a browser on this machine:"
echo "  http://127.0.0.1:$web_port/vnc.html?autoconnect=1&resize=remote"
echo "Press Ctrl+C here to end it."
# On a desktop of Wine's own, so that windows close at once without a window
# manager; waited for in the background, so that Ctrl+C ends everything at once.
LC_ALL=$japanese_locale "$root/scripts/wine-run" "$WINEPREFIX" explorer "/desktop=quivra,$screen_size" \
    "$windows_build/app/quivra.exe" &
wait $! || true
