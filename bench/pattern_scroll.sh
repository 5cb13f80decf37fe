#!/usr/bin/env bash
# The pattern screen's scroll step as a lecturer feels it, at each screen size (default 1920x1080 and
# 3840x2160): the real program under Wine on an Xvfb screen of that size, timed from a second program
# (bench/scroll_step_bench.cpp). Prints the medians with the plots off and on, one full-screen BitBlt on
# the same display as the yardstick, and the ratios to it.
#   bash bench/pattern_scroll.sh [WIDTHxHEIGHT ...]
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target ZonaraEng scroll_step_bench >/dev/null
export WINEPREFIX=$PWD/build/windows/bench-wineprefix WINEDEBUG=-all
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1920x1080 3840x2160)
for size in "${sizes[@]}"; do
    (
        ZONARA_SCREEN=${size}x24 source scripts/xvfb.sh
        # A wineserver keeps the display it started on: each size gets a server of its own.
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
        scripts/wine-prefix.sh "$WINEPREFIX"
        wine build/windows/ZonaraEng.exe &
        program=$!
        wine build/windows/bench/scroll_step_bench.exe || echo "$size: no figures" >&2
        kill "$program" 2>/dev/null || true
        wineserver -k 2>/dev/null || true
    )
done
