#!/usr/bin/env bash
# Builds the program and makes the Debian package build/tavlen_<version>_<arch>.deb
# (CPack's DEB generator; dependencies computed by dpkg-shlibdeps). Install it with
#   sudo apt install ./build/tavlen_*.deb
# TAVLEN_BUILD_DIR chooses another build folder, as for scripts/build.sh.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TAVLEN_BUILD_DIR:-$here/build}"
"$here/scripts/build.sh" tavlen
cd "$build"
cpack -G DEB
