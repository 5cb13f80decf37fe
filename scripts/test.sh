#!/usr/bin/env bash
# Builds everything (native, native with AddressSanitizer and UndefinedBehaviorSanitizer, Windows) and
# runs every test: natively, sanitized, and the Windows binaries under Wine on private displays. Installs
# what is missing first. The Wine prefixes are made while the Windows tree builds; the Windows tests wait
# on Wine and the display much of the time, so they run while the two native trees build. At the end it
# says where the time went.
set -eu
cd "$(dirname "$0")/.."
start=$SECONDS
scripts/install-deps.sh
installed=$SECONDS
mkdir -p build

# The prefixes the Windows tests use (the page tests', the end-to-end tests', the desktop at 144 dpi, the two
# monitors', and each program's among others and with the lecture's objects), one booted and the others
# copied from it, while the Windows tree builds.
windows=build/windows
(
    scripts/wine-prefix.sh --no-server build/wineprefix-ready
    for prefix in wineprefix wineprefix-e2e wineprefix-144dpi wineprefix-monitors wineprefix-neighbour-ZonaraEng \
        wineprefix-neighbour-newZonara wineprefix-lecture-ZonaraEng wineprefix-lecture-newZonara; do
        scripts/wine-prefix.sh --no-server "$windows/$prefix" build/wineprefix-ready
    done
) >build/prefixes.log 2>&1 &
prefixes=$!
cmake --preset windows >/dev/null
cmake --build --preset windows
wait $prefixes || { cat build/prefixes.log; exit 1; }
built=$SECONDS
# Two private displays: the page tests on one, the end-to-end tests on the other; the monitor tests bring
# their own two-monitor server, the neighbour tests a display each. Four tests at a time: most of them wait
# on Wine and the display.
source scripts/xvfb.sh
e2e_xvfb_pid=$zonara_xvfb_pid page_display=$DISPLAY
source scripts/xvfb.sh
export ZONARA_E2E_DISPLAY=$DISPLAY DISPLAY=$page_display
trap 'kill $zonara_xvfb_pid $e2e_xvfb_pid 2>/dev/null' EXIT
windows_log=$(mktemp)
(
    code=0
    ctest --preset windows -j4 >"$windows_log" 2>&1 || code=$?
    echo $SECONDS >"$windows_log.end"
    exit $code
) &
windows_tests=$!

# The native trees build at a lower priority: the Windows tests come first, the compilers take what
# they leave while they wait on Wine and the display.
status=0
cmake --preset native >/dev/null
nice -n 10 cmake --build --preset native || status=1
cmake --preset sanitize >/dev/null
nice -n 10 cmake --build --preset sanitize || status=1
ctest --preset native || status=1
ctest --preset sanitize || status=1
native=$SECONDS
wait $windows_tests || status=1
cat "$windows_log"
echo "time: $((SECONDS - start)) s in all: installing $((installed - start)) s, the Windows tree and the Wine" \
    "prefixes $((built - installed)) s, then the Windows tests $(($(cat "$windows_log.end") - built)) s beside" \
    "the native trees and their tests $((native - built)) s"
rm -f "$windows_log" "$windows_log.end"
exit $status
