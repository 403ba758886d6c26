#!/usr/bin/env bash
# Builds the program (nothing else) and starts it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/build.sh" tavlen
exec "${TAVLEN_BUILD_DIR:-$here/build}/src/app/tavlen" "$@"
