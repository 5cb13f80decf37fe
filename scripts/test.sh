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
# Two private displays: the page tests on one, the end-to-end tests on the other; the monitor tests bring
# their own two-monitor server. Three tests at a time.
source scripts/xvfb.sh
e2e_xvfb_pid=$zonara_xvfb_pid page_display=$DISPLAY
source scripts/xvfb.sh
export ZONARA_E2E_DISPLAY=$DISPLAY DISPLAY=$page_display
trap 'kill $zonara_xvfb_pid $e2e_xvfb_pid 2>/dev/null' EXIT
windows_log=$(mktemp)
ctest --preset windows -j3 >"$windows_log" 2>&1 &
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
