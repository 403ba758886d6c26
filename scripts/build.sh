#!/usr/bin/env bash
# Configures and builds Tavlen into build/ (Release with debug info).
#   scripts/build.sh            everything: program, tests, benchmarks
#   scripts/build.sh tavlen     only the named targets
# With CI=true every compiler warning is an error.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh"
build="${TAVLEN_BUILD_DIR:-$here/build}"
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_COMPILE_WARNING_AS_ERROR="$werror" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build" -j "$(nproc)" "${targets[@]}"
