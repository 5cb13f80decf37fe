#!/usr/bin/env bash
# Builds everything (native, native with AddressSanitizer and UndefinedBehaviorSanitizer, Windows) and
# runs every test: natively, sanitized, and the Windows binaries under Wine on a private Xvfb. Installs
# what is missing first.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset windows >/dev/null
cmake --build --preset windows
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize

source scripts/xvfb.sh
status=0
ctest --preset native || status=1
ctest --preset sanitize || status=1
ctest --preset windows || status=1
exit $status
