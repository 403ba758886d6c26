#!/usr/bin/env bash
# Prints the size of the code (C++ and QML under src/) and of the tests (C++, QML, JavaScript
# and shell under tests/), in lines that are neither blank nor only a comment, and their ratio.
#   scripts/count-lines.sh [folder ...]    (with folders: the test lines under each)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
count() {
    awk '
    FNR == 1 { block = 0; shell = FILENAME ~ /\.sh$/ }
    {
        line = $0
        gsub(/^[ \t]+|[ \t]+$/, "", line)
        if (line == "") next
        if (shell) { if (line !~ /^#/) n++; next }
        if (block) { if (index(line, "*/")) block = 0; next }
        if (line ~ /^\/\//) next
        if (line ~ /^\/\*/) { block = !index(substr(line, 3), "*/"); next }
        n++
    }
    END { print n + 0 }' "$@"
}
if [ $# -gt 0 ]; then
    for dir; do echo "$dir $(count $(git ls-files "$dir/*.cpp" "$dir/*.h" "$dir/*.qml" "$dir/*.js" "$dir/*.sh"))"; done
    exit 0
fi
code=$(count $(git ls-files 'src/*.cpp' 'src/*.h' 'src/*.qml'))
tests=$(count $(git ls-files 'tests/*.cpp' 'tests/*.h' 'tests/*.qml' 'tests/*.js' 'tests/*.sh'))
echo "code $code, tests $tests: $((100 * tests / code)) %"
