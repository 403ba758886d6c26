#!/usr/bin/env bash
# Builds Tavlen and runs the whole test suite (unit, screen and end-to-end tests).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/build.sh"
cd "${TAVLEN_BUILD_DIR:-$here/build}"
ctest --output-on-failure -j 2 --timeout 600
