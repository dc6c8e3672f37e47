#!/usr/bin/env bash
# Builds the release a Windows user downloads: build/windows/Quivra-VERSION-win64.zip
# (one folder, Quivra) and build/windows/Quivra-VERSION-setup.exe (a per-user installer).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${windows_packages[@]}"
build_windows
cmake --build "$windows_build" --target release
ls -l "$windows_build"/Quivra-*-win64.zip "$windows_build"/Quivra-*-setup.exe
