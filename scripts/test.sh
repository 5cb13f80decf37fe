#!/usr/bin/env bash
# Builds everything (native, native with AddressSanitizer and UndefinedBehaviorSanitizer, Windows) and
# runs every test: natively, sanitized, and the Windows binaries under Wine on a private Xvfb. Installs
# what is missing first. The Windows tests wait on Wine and the display much of the time, so they run
# while the two native trees build.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset windows >/dev/null
cmake --build --preset windows
source scripts/xvfb.sh
windows_log=$(mktemp)
ctest --preset windows >"$windows_log" 2>&1 &
windows_tests=$!

# The native trees build at a lower priority: the Windows tests come first, the compilers take what
# they leave while they wait on Wine and the display.
status=0
cmake --preset native >/dev/null
nice -n 15 cmake --build --preset native || status=1
cmake --preset sanitize >/dev/null
nice -n 15 cmake --build --preset sanitize || status=1
ctest --preset native || status=1
ctest --preset sanitize || status=1
wait $windows_tests || status=1
cat "$windows_log"
rm -f "$windows_log"
exit $status
