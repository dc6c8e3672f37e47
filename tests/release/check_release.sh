#!/usr/bin/env bash
# The release as a Windows user gets it, checked under Wine in a prefix of
# its own: the zip's contents, a silent install, a start that writes
# tarv.ini beside the program, a reinstall that keeps a changed tarv.ini, a
# silent uninstall that leaves only tarv.ini, and a copy in a folder it
# cannot write, which keeps its settings in %APPDATA%\Quivra.
# usage: check_release.sh WINDOWS_BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
failures=0
passes=0
check() {  # check DESCRIPTION COMMAND...
    if "${@:2}"; then passes=$((passes + 1)); else echo "FAILED: $1"; failures=$((failures + 1)); fi
}

cmake --build "$build" --target release >/dev/null
version=$(sed -n 's/^#define QUIVRA_VERSION_TEXT "\(.*\)"/\1/p' "$build/generated/quivra_version.h")
zip=$build/Quivra-$version-win64.zip
installer=$build/Quivra-$version-setup.exe

listing=$(cmake -E tar tf "$zip" | sed 's:/$::' | sort)
for entry in Quivra Quivra/quivra.exe Quivra/ok.wav Quivra/error.wav Quivra/quivra.html Quivra/manual \
             Quivra/manual/launcher.png "Quivra/はじめにお読みください.txt"; do
    check "the zip holds $entry" grep -qxF "$entry" <<<"$listing"
done
check "nothing else at the top of the zip" test "$(grep -v '^Quivra/manual/' <<<"$listing" | wc -l)" -eq 7
readme="$build/release/Quivra/はじめにお読みください.txt"
check "the readme starts with a byte-order mark" test "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf
check "the readme's lines end in CRLF" test "$(grep -c $'\r$' "$readme")" -eq "$(wc -l <"$readme")"
check "the installer is under 2 MiB" test "$(stat -c %s "$installer")" -lt $((2 * 1024 * 1024))

scratch=$build/release-check
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all
[ -d "$scratch/readonly" ] && chattr -i "$scratch/readonly" 2>/dev/null || true
rm -rf "$scratch"
mkdir -p "$scratch"
trap 'chattr -i "$scratch/readonly" 2>/dev/null || true; WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true' EXIT
wine_run() { "$root/scripts/wine-run" "$WINEPREFIX" "$@"; }
unix_path() { wine_run winepath -u "$(wine_run cmd /c echo "$1" | tr -d '\r')" | tr -d '\r'; }

# Starts the quivra.exe in FOLDER on a desktop of its own and closes it as the user would.
run_and_close() {
    (cd "$1" && exec "$root/scripts/wine-run" "$WINEPREFIX" explorer /desktop=release,1024x768 quivra.exe) \
        >/dev/null 2>&1 &
    local program=$! tries
    for tries in $(seq 60); do
        wine_run "$build/scripts/drive_and_measure/quivra_probe.exe" --desktop release quit >/dev/null 2>&1 && break
        sleep 0.5
    done
    wait "$program" || true
}

wine_run "$installer" /S
installed=$(unix_path '%LOCALAPPDATA%')/Programs/Quivra
start_menu=$(unix_path '%APPDATA%')/Microsoft/Windows/Start\ Menu/Programs
for file in quivra.exe ok.wav error.wav quivra.html manual/date_calculator.png uninstall.exe "はじめにお読みください.txt"; do
    check "installed: $file" test -f "$installed/$file"
done
check "the Start-menu shortcut" test -f "$start_menu/Quivra.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quivra'
uninstall_values=$(wine_run reg query "$key" 2>/dev/null | tr -d '\r')
for value in DisplayName DisplayVersion Publisher DisplayIcon InstallLocation EstimatedSize NoModify; do
    check "the uninstall key's $value" grep -q "^ *$value " <<<"$uninstall_values"
done
check "the uninstall key's version" grep -q "DisplayVersion.*$version" <<<"$uninstall_values"

run_and_close "$installed"
check "the installed program writes tarv.ini beside itself" test -f "$installed/tarv.ini"
sed -i 's/^tax_ritu=.*/tax_ritu=8\r/' "$installed/tarv.ini"
wine_run "$installer" /S
check "a reinstall keeps a changed tarv.ini" grep -q $'^tax_ritu=8\r$' "$installed/tarv.ini"
wine_run "$installed/uninstall.exe" /S
# The uninstaller runs on from a copy of itself in %TEMP%, as on Windows, and removes the original.
for tries in $(seq 60); do [ -e "$installed/uninstall.exe" ] || break; sleep 0.5; done
wineserver -w
check "a silent uninstall leaves only tarv.ini" test "$(ls -A "$installed")" = tarv.ini
check "the shortcut is gone" test ! -e "$start_menu/Quivra.lnk"
key_gone() { ! wine_run reg query "$key" >/dev/null 2>&1; }
check "the uninstall key is gone" key_gone

# A folder the program cannot write: as root, only the immutable mark makes Wine see it so.
mkdir -p "$scratch/readonly"
cp "$build/app/quivra.exe" "$scratch/readonly/"
user_file=$(unix_path '%APPDATA%')/Quivra/tarv.ini
if chattr +i "$scratch/readonly" 2>/dev/null && ! touch "$scratch/readonly/probe" 2>/dev/null; then
    run_and_close "$scratch/readonly"
    check "a read-only folder's settings go to %APPDATA%\\Quivra" test -f "$user_file"
    sed -i 's/^tax_ritu=.*/tax_ritu=8\r/' "$user_file"
    run_and_close "$scratch/readonly"
    check "and are read back at the next start" grep -q $'^tax_ritu=8\r$' "$user_file"
    chattr -i "$scratch/readonly"
else
    echo "skipped: this file system cannot make a folder read-only (chattr +i)"
fi

echo "release: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
