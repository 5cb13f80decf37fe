#!/usr/bin/env bash
# The resident memory of ZonaraEng on each page, at each screen size (default 1920x1080 and 3840x2160):
# the real program under Wine on an Xvfb screen of that size, read from outside as VmRSS of its process.
# Pages: the start page, authors, the pattern screen, the axial and the radial screen after a short run
# (Start, Continue, two seconds of their timer, Pause). Each figure is taken once two readings half a
# second apart agree within 0.25 MB. One tour per size, as a lecture goes: a page's figure includes what
# the pages before it left resident (freed heap is not always given back). Builds nothing: it measures
# build/windows/ZonaraEng.exe, or the program named by ZONARA_PROGRAM.
#   bash bench/page_memory.sh [WIDTHxHEIGHT ...]
set -eu
cd "$(dirname "$0")/.."
program=$(realpath "${ZONARA_PROGRAM:-build/windows/ZonaraEng.exe}")
[ -f "$program" ] || { echo "no program at $program (build it first)" >&2; exit 1; }
echo "measuring $program ($(date -r "$program" '+built %Y-%m-%d %H:%M'))"
export WINEPREFIX=$PWD/build/windows/bench-wineprefix WINEDEBUG=-all
class="^$(basename "${program,,}")\$"
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1920x1080 3840x2160)

rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }
# The program's one visible window; nothing while a page is being replaced (without a window manager Wine
# takes up to 2 s to let go of a page it destroys).
page() {
    local windows
    windows=$(xdotool search --onlyvisible --classname "$class" 2>/dev/null) || true
    [ "$(wc -w <<<"$windows")" -eq 1 ] && echo "$windows"
}
# KEY...: the keys to the page, focused first (without a window manager nobody gives a page the focus).
press() { xdotool windowfocus "$(page)" key "$@"; }
# open KEY: the key on the page, then waits for the page it opens (or until the program has ended).
open() {
    local old end=$((SECONDS + 20))
    old=$(page)
    press "$1"
    while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $end ]; do
        window=$(page) && [ "$window" != "$old" ] && return 0
        sleep 0.2
    done
    return 1
}
# The memory once two readings half a second apart agree within 0.25 MB, in MB.
settled() {
    local end=$((SECONDS + 20)) before now
    now=$(rss)
    while [ $SECONDS -lt $end ]; do
        before=$now
        sleep 0.5
        now=$(rss)
        [ $((now > before ? now - before : before - now)) -le 256 ] && break
    done
    awk -v kb="$now" 'BEGIN { printf "%.1f MB\n", kb / 1024 }'
}
short_run() { press space && sleep 0.5 && press space && sleep 2 && press space; }

for size in "${sizes[@]}"; do
    (
        ZONARA_SCREEN=${size}x24 source scripts/xvfb.sh
        # A wineserver keeps the display it started on: each size gets a server of its own.
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
        scripts/wine-prefix.sh "$WINEPREFIX"
        # The process started here becomes the program's Windows process (its command line ends in the
        # program's name); it is found by its id, as other runs of the program may share the machine.
        wine "$program" &
        pid=$!
        for _ in $(seq 100); do page >/dev/null && break; sleep 0.2; done
        [[ $(tr -d '\0' <"/proc/$pid/cmdline") == *"$(basename "$program")" ]] ||
            { echo "$size: process $pid is not the program" >&2; exit 1; }
        printf '%-10s %-14s %s\n' "$size" "start page" "$(settled)"
        for step in "a authors" "1 pattern" "2 axial short_run" "3 radial short_run"; do
            read -r key name action <<<"$step"
            open "$key" || { echo "$size: $name did not open" >&2; break; }
            [ -z "${action:-}" ] || { settled >/dev/null && $action; }
            printf '%-10s %-14s %s\n' "$size" "$name" "$(settled)"
            open Escape || { echo "$size: Esc did not return from $name" >&2; break; }
        done
        press alt+F4
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
        kill "$pid" 2>/dev/null || true
        wineserver -k 2>/dev/null || true
    )
done
