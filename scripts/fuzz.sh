#!/usr/bin/env bash
# Fuzzes the settings reader for the given number of seconds (default 60).
# New inputs go to build/native/fuzz/corpus; the tree's corpus is only read.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seconds=${1:-60}
need_packages cmake make g++ libgtest-dev clang
build_native
work_corpus=$native_build/fuzz/corpus
mkdir -p "$work_corpus"
"$native_build/fuzz/settings_reader_fuzzer" -max_total_time="$seconds" -timeout=10 \
    -max_len=131072 -print_final_stats=1 -artifact_prefix="$native_build/fuzz/" \
    "$work_corpus" "$root/tests/fuzz/corpus"
