#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it (.clang-format).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
mapfile -t files < <(find src tests bench tools -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} C++ files formatted as .clang-format says"
