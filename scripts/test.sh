#!/usr/bin/env bash
# Builds everything and runs every test: natively, then the Windows
# build under Wine on a private X server when there is no display, the
# window tests once in an English and once in a Japanese locale.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages g++ libgtest-dev "${windows_packages[@]}"
need_japanese_locale

build_options=(-DQUIVRA_WARNINGS_AS_ERRORS=ON)
build_native
ctest --test-dir "$native_build" --output-on-failure

build_windows
ensure_display
trap stop_wine_and_display EXIT
ctest --test-dir "$windows_build" --output-on-failure
