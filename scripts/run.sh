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
cmake --build --preset windows --target ZonaraEng newZonara
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

# No display: a tour of the pages on a private 1920 x 1080 screen, then of the phasor diagram.
# Each page reachable from the start page: its name, the centre of the start page button that opens it
# and the centre of its own "Menu" button, at 1920 x 1080. A page whose button opens nothing yet is
# skipped.
pages=(
    "authors 1785 1004 1785 1004"
    "pattern 960 540 153 1004"
    "axial 960 702 1766 1004"
    "radial 960 864 1766 1004"
)
exit_button="134 1004"

# A second picture of each demonstration in use. The animated screens: Start, Continue, a few seconds
# of the run, Pause (their Start button is at (200, 366)). The pattern screen: Compare, a longer
# distance (five clicks on the distance bar's right arrow), the projection and the plots.
click_at() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.5}"; }
show_axial() { click_at 200 366; click_at 200 366 12; click_at 200 366; }
show_radial() { click_at 200 366; click_at 200 366 20; click_at 200 366; }
show_pattern() {
    click_at 153 409
    for _ in 1 2 3 4 5; do click_at 1836 199 0.3; done
    click_at 153 711
    click_at 153 560
}

mkdir -p screenshots
work=$(mktemp -d)
trap 'rm -rf "$work"; kill $zonara_xvfb_pid 2>/dev/null' EXIT

shot() { import -window root "$1" 2>/dev/null; }
differs() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != "0" ]; }
# Waits until the program shows exactly one window: without a window manager Wine takes up to 2 s to
# let go of a page it destroys, and a click meanwhile could land on the old page.
settle() {
    local class
    class=$(echo "$program.exe" | tr '[:upper:]' '[:lower:]')
    for _ in $(seq 60); do
        [ "$(xdotool search --onlyvisible --classname "^$class\$" 2>/dev/null | wc -l)" -eq 1 ] && break
        sleep 0.2
    done
    sleep 0.5
}
# Waits until the screen stops changing (a page has been drawn completely), then saves it as $1.
steady_shot() {
    shot "$work/a.png"
    for _ in $(seq 30); do
        sleep 0.4
        shot "$work/b.png"
        differs "$work/a.png" "$work/b.png" || break
        mv "$work/b.png" "$work/a.png"
    done
    cp "$work/a.png" "$1"
}

wine "$exe" &
pid=$!
for _ in $(seq 60); do
    [ "$(xdotool search --onlyvisible --classname "^$(echo "$program.exe" | tr '[:upper:]' '[:lower:]')\$" 2>/dev/null |
        wc -l)" -ge 1 ] && break
    sleep 0.5
done
settle
start=screenshots/$program-start.png
steady_shot "$start"
saved=("$start")
for page in "${pages[@]}"; do
    read -r name open_x open_y back_x back_y <<<"$page"
    xdotool mousemove "$open_x" "$open_y" click 1
    settle
    steady_shot "$work/page.png"
    if ! differs "$start" "$work/page.png"; then
        echo "$name: not reachable yet"
        continue
    fi
    cp "$work/page.png" "screenshots/$program-$name.png"
    saved+=("screenshots/$program-$name.png")
    if declare -F "show_$name" >/dev/null; then
        "show_$name"
        steady_shot "screenshots/$program-$name-2.png"
        saved+=("screenshots/$program-$name-2.png")
    fi
    xdotool mousemove "$back_x" "$back_y" click 1
    settle
done
# The phasor diagram on both animated screens (key V), at step 0, in mid-run and at the end of the run:
# the page's button, the seconds to run before the middle picture and the seconds to the end after it.
phasor_pages=(
    "axial 960 702 10 24"
    "radial 960 864 15 34"
)
key() {
    xdotool search --onlyvisible --classname "^$(echo "$program.exe" | tr '[:upper:]' '[:lower:]')\$" \
        windowfocus 2>/dev/null
    xdotool key "$1"
    sleep 0.5
}
for page in "${phasor_pages[@]}"; do
    read -r name open_x open_y middle end <<<"$page"
    xdotool mousemove "$open_x" "$open_y" click 1
    settle
    click_at 489 366  # Reset: the radial screen comes back at the step it was left at
    click_at 200 366
    key v
    steady_shot "screenshots/$program-$name-phasor-0.png"
    click_at 200 366 "$middle"
    click_at 200 366
    steady_shot "screenshots/$program-$name-phasor-1.png"
    click_at 200 366 "$end"
    steady_shot "screenshots/$program-$name-phasor-2.png"
    saved+=("screenshots/$program-$name-phasor-"{0,1,2}.png)
    key v
    xdotool mousemove 1766 1004 click 1
    settle
done
# Exit ends the program; a page left open (a step that failed) would keep it running, so wait a while.
read -r x y <<<"$exit_button"
xdotool mousemove "$x" "$y" click 1
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
printf 'saved %s\n' "${saved[@]}"
exit $status
