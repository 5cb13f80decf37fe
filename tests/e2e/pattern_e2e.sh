#!/usr/bin/env bash
# The Fresnel pattern screen of one program end to end at 1920 x 1080, as a lecturer uses it: opened
# from the start page, Compare, a longer distance, the projection of the aperture, the plots, Menu, and
# Alt+F4 from the screen (exit code 0); and a plain repaint, made by the display helper as after the
# window was covered and uncovered, still shows both frames. A screenshot of each stage is kept:
#   tests/e2e/pattern_e2e.sh WINE_RUNNER PROGRAM.exe HELPER.exe [SCREENSHOT_FOLDER]
# saves pattern_<program>_{fresh,compare_distance,projection,plots}.png (default folder: the program's).
source "$(dirname "$0")/e2e_lib.sh"
runner=$1
program=$2
helper=$3
shots=${4:-$(dirname "$program")/screenshots}
name=$(basename "$program" .exe)
mkdir -p "$shots"
e2e_display

keep() { cp "$e2e_work/shot.png" "$shots/pattern_${name}_$1.png"; }

# The worked layout at 1920 x 1080: frames of 660 pixels at (378, 355) (comparison) and (1148, 355)
# (current); buttons 230 x 108 at x = 38: Compare at y = 355, Plots 506, Projection 657, Menu 950; the
# distance bar from x = 1306 to 1844 at y = 172, 54 high. The shadow edge lies 220 pixels from a
# frame's centre; at 500 nm, 2 mm, 2 m the first bright ring crosses the centre row 196 pixels in from
# a frame's left edge, in the green of 500 nm.
black="0,0,0"
white="255,255,255"
start_page_shown() { [ "$(pixel 5 5)" = "$background" ] && [ "$(pixel 288 192)" != "$background" ]; }
# Background around the frames, a dark centre (four open zones), a black comparison square.
fresh_screen_shown() {
    [ "$(pixel 5 5)" = "$background" ] && [ "$(pixel 1100 685)" = "$background" ] &&
        [ "$(pixel 708 685)" = "$black" ] && [ "$(pixel 574 685)" = "$black" ] &&
        [ "$(pixel 1344 685)" != "$black" ] && [ "$(pixel 1344 685)" != "$background" ]
}
compared() { [ "$(pixel 574 685)" = "$(pixel 1344 685)" ] && [ "$(pixel 574 685)" != "$black" ]; }
distance_changed() { [ "$(pixel 1344 685)" != "$ring" ] && [ "$(pixel 574 685)" = "$ring" ]; }
projection_shown() { [ "$(pixel $((708 + 220)) 685)" = "$white" ] && [ "$(pixel $((1478 + 220)) 685)" = "$white" ]; }
projection_gone() { [ "$(pixel $((708 + 220)) 685)" != "$white" ]; }
# The plot runs through the lowest 40% of each frame; column 200 of a frame crosses it.
plot_in_column() {
    local x=$1 y
    for y in $(seq $((355 + 394)) 3 $((355 + 659))); do [ "$(pixel "$x" "$y")" = "$white" ] && return 0; done
    return 1
}
plots_shown() { plot_in_column $((1148 + 200)) && plot_in_column $((378 + 200)); }

"$runner" "$program" &
pid=$!
# A failed check leaves no program behind.
trap 'kill $pid 2>/dev/null; cleanup' EXIT
wait_for 30 start_page_shown || fail "the start page did not appear"
click 960 540
wait_for 20 fresh_screen_shown || fail "the pattern screen did not appear as expected: centre $(pixel 1478 685)"
keep fresh
ring=$(pixel 1344 685)

click 153 409
wait_for 10 compared || fail "Compare did not copy the current frame: $(pixel 574 685) against $ring"
# Five clicks on the distance bar's right arrow: 2.0 m to 2.5 m.
for _ in 1 2 3 4 5; do click 1836 199; sleep 0.3; done
wait_for 10 distance_changed || fail "the distance change did not move the current frame only"
keep compare_distance

click 153 711
wait_for 10 projection_shown || fail "the projection of the aperture is not drawn in both frames"
keep projection
click 153 711
wait_for 10 projection_gone || fail "the projection did not switch off"

click 153 560
wait_for 10 plots_shown || fail "the plots are not drawn in both frames"
keep plots
"$runner" "$helper" repaint || fail "the helper could not ask for a repaint"
sleep 1
shot
plots_shown && [ "$(pixel 574 685)" = "$ring" ] || fail "a plain repaint did not show the last picture"

click 153 1004
wait_for 15 start_page_shown || fail "Menu did not return to the start page"
# Wine keeps the old full-screen window mapped for up to 2 s while it waits for a window manager that
# Xvfb does not have; a click before it is gone lands on it.
sleep 2.5
click 960 540
wait_for 20 fresh_screen_shown || fail "a new visit did not start from the starting values"
press "$program" alt+F4
wait_exit $pid 15
code=$?
[ $code -eq 0 ] || fail "Alt+F4 on the pattern screen ended the program with code $code"
echo "pattern screen: fresh, Compare, distance, projection, plots, Menu, new visit, Alt+F4 (0); screenshots in $shots"
