#!/usr/bin/env bash
# The radial intensity screen of one program end to end at 1920 x 1080: opened from the start page,
# Start (step 0), Continue, Pause, Continue to the end of the run, Menu and a new visit that shows the
# step it was left at, Reset, and Alt+F4 (exit code 0). A screenshot of each stage is kept:
#   tests/e2e/radial_e2e.sh WINE_RUNNER PROGRAM.exe [SCREENSHOT_FOLDER]
# saves radial_<program>_{fresh,step0,midrun,finished}.png (default folder: the program's).
source "$(dirname "$0")/e2e_lib.sh"
runner=$1
program=$2
shots=${3:-$(dirname "$program")/screenshots}
name=$(basename "$program" .exe)
mkdir -p "$shots"
e2e_display

keep() { cp "$e2e_work/shot.png" "$shots/radial_${name}_$1.png"; }

# The worked layout at 1920 x 1080: the zone picture 451 x 451 around (344, 725); the sketch of the
# observation screen 451 x 451 around (1008, 645), filled (230, 230, 240) once the run has started; the
# point of observation (green) from (1008, 645) at step 0 to (1196, 645) at step 304; Start at (76, 312),
# Reset at (365, 312); Menu at (1651, 950).
green="0,255,0"
grey="64,64,64"
sketch="230,230,240"
start_page_shown() { [ "$(pixel 5 5)" = "$background" ] && [ "$(pixel 288 192)" != "$background" ]; }
fresh() { [ "$(pixel 124 505)" = "$grey" ] && [ "$(pixel 908 495)" = "$background" ]; }
step_zero() { [ "$(pixel 908 495)" = "$sketch" ] && [ "$(pixel 1008 645)" = "$green" ]; }
curve_pixels() {
    convert "$e2e_work/shot.png" -crop 532x293+1273+484 +repage -fill black +opaque white \
        -format "%[fx:round(mean*w*h)]" info:
}
running() { [ "$(curve_pixels)" -gt 100 ] && [ "$(pixel 1008 645)" != "$green" ]; }
# The end of the run: the point of observation centred as far out as the aperture's rim, the plot's
# marker on the end of the revealed curve (x = 1273 + 531), and nothing moving any more.
finished() {
    [ "$(centre "$green" 1140 600 120 90)" = "1196,645" ] &&
        [ "$(centre "$green" 1700 484 140 293 | cut -d, -f1)" = "1804" ] && still 1
}

"$runner" "$program" &
pid=$!
trap 'kill $pid 2>/dev/null; cleanup' EXIT
wait_for 30 start_page_shown || fail "the start page did not appear"
click 960 864
wait_for 20 fresh || fail "the radial screen did not appear fresh: $(pixel 124 505) $(pixel 908 495)"
# The start page may stay mapped for a while (no window manager): clicks wait until it is gone.
settle "$program" || fail "the start page did not go away"
keep fresh

click 200 366
wait_for 10 step_zero || fail "Start did not draw step 0: $(pixel 908 495) $(pixel 1008 645)"
keep step0
click 200 366
sleep 15
wait_for 10 running || fail "Continue did not run the animation: $(curve_pixels) curve pixels"
click 200 366
sleep 0.5
keep midrun

click 200 366
wait_for 60 finished || fail "the run did not reach its end: the point at $(centre "$green" 1140 600 120 90)"
keep finished

click 1766 1004
wait_for 15 start_page_shown || fail "Menu did not return to the start page"
settle "$program"
click 960 864
wait_for 20 finished || fail "a new visit did not show the step the screen was left at"
settle "$program"
click 489 366
wait_for 10 fresh || fail "Reset did not return to the fresh screen"
press "$program" alt+F4
wait_exit $pid 15
code=$?
[ $code -eq 0 ] || fail "Alt+F4 ended the program with code $code"
echo "radial screen: fresh, step 0, running, finished, Menu and back at the saved step, Reset, Alt+F4 (0); screenshots in $shots"
