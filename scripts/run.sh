#!/usr/bin/env bash
# Builds both programs and runs one under Wine: ZonaraEng (English) by default, newZonara with --russian.
# On the user's display it runs full screen until "Exit" (or Alt+F4). With no DISPLAY it runs on a
# private Xvfb at 1920 x 1080, opens every page reachable from the start page, saves a screenshot of
# each into screenshots/ (and a second one of each demonstration in use) and ends the program with
# "Exit".
#   bash scripts/run.sh [--russian]
set -eu
cd "$(dirname "$0")/.."

program=ZonaraEng
for argument in "$@"; do
    case $argument in
        --russian) program=newZonara ;;
        *)
            echo "usage: bash scripts/run.sh [--russian]" >&2
            exit 2
            ;;
    esac
done

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target ZonaraEng newZonara display_helper
exe=$PWD/build/windows/$program.exe

# The project's own Wine prefix, where "Times New Roman" draws at its Windows widths; a user's prefix is never
# touched. Wine's background processes start with the prefix and stay bound to the display they found,
# so the display comes first: the user's, or a private 1920 x 1080 one with a prefix of its own (the
# tests' prefix may be serving another display at the same time).
export WINEPREFIX=$PWD/build/windows/wineprefix WINEDEBUG=-all
tour=false
if [ -z "${DISPLAY:-}" ]; then
    tour=true
    ZONARA_SCREEN=1920x1080x24 source scripts/xvfb.sh
    WINEPREFIX=$PWD/build/windows/tour-wineprefix
fi
scripts/wine-prefix.sh "$WINEPREFIX"

if ! $tour; then
    status=0
    wine "$exe" || status=$?
    echo "$program ended with exit code $status"
    exit $status
fi

# No display: a tour of every page on a private 1920 x 1080 screen, each demonstration also in use, with the
# phasor diagram, the key help, the projector palette, the opaque disc and the zone plate, and the axial run
# stopped at whole numbers of zones. The animations are stepped by their timer's
# message, sent by the display helper, rather than waited for.
source tests/e2e/e2e_lib.sh
e2e_display
# No window manager runs on the private screen: the program's windows are unmanaged, or Wine would wait for
# one each time a page goes.
wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$program.exe\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
helper=$PWD/build/windows/tests/display_helper.exe
mkdir -p screenshots
saved=()
# save NAME: once the picture stands still, screenshots/<program>-NAME.png.
save() {
    wait_for 10 still || echo "$program-$1: the picture did not stand still"
    keep "screenshots/$program-$1.png"
    saved+=("screenshots/$program-$1.png")
}
key() { press "$exe" "$@" && sleep 0.3; }
tick() { wine "$helper" tick "$1" && sleep 0.2; }
click_at() { xdotool mousemove "$1" "$2" click 1 && sleep 0.3; }

wine "$exe" &
pid=$!
e2e_pids+=("$pid")
wait_for 30 settle "$exe" || true
save start
key a && save authors && key Escape
# The pattern screen, then Compare, a longer distance (five clicks on the distance bar's right arrow), the
# projection and the plots.
key 1 && save pattern
click_at 153 409
for _ in 1 2 3 4 5; do click_at 1836 199; done
click_at 153 711 && click_at 153 560 && save pattern-2
key Escape
# The animated screens: ready, a few steps into a run, and with the phasor diagram at step 0, in mid-run and at
# the end; the axial screen also under the key help and in the projector palette.
for page in "2 axial 60" "3 radial 100"; do
    read -r number name steps <<<"$page"
    key "$number" && key r && save "$name"
    key space && tick "$steps" && save "$name-2"
    key r && key space && key v && save "$name-phasor-0"
    tick 150 && save "$name-phasor-1"
    tick 400 && save "$name-phasor-2"
    key v
    if [ "$name" = axial ]; then
        key F1 && save help && key F1
        key p && key r && key space && tick 120 && key v && save projector-axial && key v && key p
    fi
    key Escape
done
key p && save projector-start && key 1 && save projector-pattern && key Escape && key p
# The opaque disc and the zone plate on each demonstration (O, and O again back to the aperture), and the
# axial run stopped where 3 and then 2 zones are open (Z, four times from the ready page).
key 1 && key o && save pattern-disc && key o && save pattern-plate && key o && key Escape
for page in "2 axial 100" "3 radial 60"; do
    read -r number name steps <<<"$page"
    key "$number" && key r && key o && key space && tick "$steps" && key v && save "$name-disc"
    key o && save "$name-plate" && key v && key o && key Escape
done
stop() { key z && wait_for 30 still; }
key 2 && key r && stop && stop && stop && save axial-stop-3 && stop && save axial-stop-2 && key r && key Escape
# Exit ends the program; a page left open (a step that failed) would keep it running, so wait a while.
click_at 134 1004
status=0
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
if kill -0 $pid 2>/dev/null; then
    kill $pid
    status=1
    echo "$program did not end on Exit"
else
    wait $pid || status=$?
    echo "$program ended with exit code $status"
fi
for kept in "${kept_pids[@]}"; do wait "$kept"; done
printf 'saved %s\n' "${saved[@]}"
exit $status
