#!/usr/bin/env bash
# The axial intensity screen of one program end to end at 1920 x 1080, as a lecturer uses it: opened
# from the start page, Start (step 0), Continue, Pause, Continue to the end of the run, Reset, Menu, and
# Alt+F4 (exit code 0). A screenshot of each stage is kept:
#   tests/e2e/axial_e2e.sh WINE_RUNNER PROGRAM.exe [SCREENSHOT_FOLDER]
# saves axial_<program>_{ready,step0,midrun,finished}.png (default folder: the program's).
source "$(dirname "$0")/e2e_lib.sh"
runner=$1
program=$2
shots=${3:-$(dirname "$program")/screenshots}
name=$(basename "$program" .exe)
mkdir -p "$shots"
e2e_display

keep() { cp "$e2e_work/shot.png" "$shots/axial_${name}_$1.png"; }

# The worked layout at 1920 x 1080 and 600 nm: the zone picture 467 x 467 at (111, 484) with its centre
# (zone 1) at (344, 717); the green start marker at (647, 638); the point of observation at the end of
# the run at (983, 550); Start at (76, 312), Reset at (365, 312), both 249 x 108; Menu at (1651, 950).
green="0,255,0"
orange="255,176,0"
grey="64,64,64"
start_page_shown() { [ "$(pixel 5 5)" = "$background" ] && [ "$(pixel 288 192)" != "$background" ]; }
ready() {
    [ "$(pixel 5 5)" = "$background" ] && [ "$(pixel 115 488)" = "$grey" ] &&
        [ "$(pixel 647 638)" = "$green" ] && [ "$(pixel 344 800)" = "$background" ]
}
step_zero() { [ "$(pixel 344 717)" = "$orange" ] && [ "$(pixel 647 638)" = "$orange" ]; }
# White curve pixels in the plot rectangle (1344, 398), 538 x 369.
curve_pixels() {
    convert "$e2e_work/shot.png" -crop 538x369+1344+398 +repage -fill black +opaque white \
        -format "%[fx:round(mean*w*h)]" info:
}
running() { [ "$(curve_pixels)" -gt 200 ] && [ "$(pixel 647 638)" = "$green" ]; }
# The end of the run: the point of observation centred at its last place, the plot's marker on the last
# sample of the curve (x = 1344 + 50 + 310), and nothing moving any more.
finished() {
    [ "$(centre "$orange" 930 500 110 100)" = "983,550" ] &&
        [ "$(centre "$orange" 1344 398 538 369 | cut -d, -f1)" = "1704" ] && still 1
}

"$runner" "$program" &
pid=$!
trap 'kill $pid 2>/dev/null; cleanup' EXIT
wait_for 30 start_page_shown || fail "the start page did not appear"
click 960 702
wait_for 20 ready || fail "the axial screen did not appear ready: $(pixel 115 488) $(pixel 647 638)"
# The start page may stay mapped for a while (no window manager): clicks wait until it is gone.
settle "$program" || fail "the start page did not go away"
keep ready

click 200 366
wait_for 10 step_zero || fail "Start did not draw step 0: zone 1 $(pixel 344 717)"
keep step0
click 200 366
sleep 8
wait_for 10 running || fail "Continue did not run the animation: $(curve_pixels) curve pixels"
click 200 366
sleep 0.5
shot
cp "$e2e_work/shot.png" "$e2e_work/paused.png"
sleep 1
shot
[ "$(compare -metric AE "$e2e_work/paused.png" "$e2e_work/shot.png" null: 2>&1)" = "0" ] ||
    fail "Pause did not stop the animation"
keep midrun

click 200 366
wait_for 45 finished || fail "the run did not reach its end: the point at $(centre "$orange" 930 500 110 100)"
keep finished

click 489 366
wait_for 10 ready || fail "Reset did not return to the ready state"
click 1766 1004
wait_for 15 start_page_shown || fail "Menu did not return to the start page"
press "$program" alt+F4
wait_exit $pid 15
code=$?
[ $code -eq 0 ] || fail "Alt+F4 ended the program with code $code"
echo "axial screen: ready, step 0, running, paused, finished, Reset, Menu, Alt+F4 (0); screenshots in $shots"
