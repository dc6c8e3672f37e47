#!/usr/bin/env bash
# Fails when a literal of the program holds a character Shift-JIS lacks. The
# compiler transliterates such characters (the standard library's <chrono>
# spells "µs"), so this check is what refuses them in the project's own text.
# Usage: check_literals.sh SOURCE_FOLDER
set -euo pipefail
cd "$1"
faults=0
while IFS= read -r -d '' file; do
    # Only what stands between quotes reaches the program; comments may say anything.
    if ! sed -e 's://.*$::' "$file" | { grep -o '"\([^"\\]\|\\.\)*"' || true; } | iconv -f UTF-8 -t CP932 >/dev/null 2>&1; then
        echo "$file: a literal holds a character Shift-JIS lacks"
        faults=1
    fi
done < <(find app base tools tests res \( -name '*.cpp' -o -name '*.h' -o -name '*.rc' \) -print0)
[ "$faults" = 0 ] && echo "Every literal is Shift-JIS"
exit "$faults"
