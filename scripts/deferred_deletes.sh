#!/usr/bin/env bash
# Counts the drawing objects a program deletes while they are still selected somewhere: Windows refuses
# such a delete (the object leaks), Wine defers it and says so on its gdi trace. The program tours every
# page on a private display (the authors page, the pattern screen, both animated screens with a step and
# the phasor diagram) and ends with Alt+F4; the count of "delayed" lines in the trace is printed.
#   bash scripts/deferred_deletes.sh [PROGRAM.exe]   (default build/windows/ZonaraEng.exe)
set -eu
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/windows/ZonaraEng.exe}")
source scripts/xvfb.sh
export WINEPREFIX=$PWD/build/windows/trace-wineprefix WINEDEBUG=-all
scripts/wine-prefix.sh "$WINEPREFIX"
log=$(mktemp)
class="^$(basename "${program,,}")\$"
# KEY...: after a moment, to the program's page, focused first (no window manager gives it the focus).
key() {
    sleep 1.5
    xdotool windowfocus "$(xdotool search --onlyvisible --classname "$class" | head -1)" key "$@"
}
WINEDEBUG=trace+gdi wine "$program" 2>"$log" &
pid=$!
sleep 6
for keys in a Escape 1 Escape "2 space space" Escape "3 space space" Escape "2 v space" Escape "3 space" Escape; do
    # shellcheck disable=SC2086
    key $keys
done
key alt+F4
wait $pid
echo "$(basename "$program"): $(grep -c 'delayed for' "$log" || true) deletes deferred because the object was in use"
rm -f "$log"
