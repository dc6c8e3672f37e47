# Shared by the scripts: packages, builds, the Wine prefix and the display.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
windows_build=$root/build/windows
native_build=$root/build/native
export WINEPREFIX=$windows_build/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Installs whichever of the named Debian packages are missing.
need_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}

windows_packages=(cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
                  wine wine64 fonts-wine xvfb xauth fonts-ipafont-gothic nsis)

# Wine takes its code page (932) and the language of the pickers, the
# month calendar and the system dialogs from the locale it starts in.
japanese_locale=ja_JP.UTF-8
need_japanese_locale() {
    locale -a 2>/dev/null | grep -qix 'ja_JP.utf-\?8' && return
    need_packages locales
    localedef -i ja_JP -f UTF-8 "$japanese_locale"
}

# The test command sets this to build with warnings as errors.
build_options=()

build_windows() {
    cmake -S "$root" -B "$windows_build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
        "${build_options[@]}" >/dev/null
    cmake --build "$windows_build" -j "$(nproc)"
}

build_native() {
    cmake -S "$root" -B "$native_build" "${build_options[@]}" >/dev/null
    cmake --build "$native_build" -j "$(nproc)"
}

# Starts a private X server on the first free display from $1 on, with a
# screen of $2 pixels (default 1024x768).
started_display=
start_display() {
    for n in $(seq "$1" "$(($1 + 30))"); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
        Xvfb ":$n" -screen 0 "${2:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
        started_display=$!
        export DISPLAY=:$n
        # A display taken where no lock file shows makes Xvfb give up: try the next.
        for _ in $(seq 100); do
            [ -e /tmp/.X11-unix/X$n ] && return
            kill -0 "$started_display" 2>/dev/null || break
            sleep 0.1
        done
        kill "$started_display" 2>/dev/null || true
    done
    echo "No free display from :$1 on" >&2; return 1
}

# Uses the display there is, or a private one.
ensure_display() {
    [ -n "${DISPLAY:-}" ] || start_display 90
}

stop_wine_and_display() {
    wineserver -k 2>/dev/null || true
    [ -n "$started_display" ] && kill "$started_display" 2>/dev/null || true
}
