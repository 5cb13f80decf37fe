#!/usr/bin/env bash
# The lecture's objects and the steered runs in one program, under Wine, on a display and in a prefix of its
# own, read back through screenshots:
# - the pattern screen at its starting values (500 nm, 2 mm, 2 m) with the opaque disc: the bright spot in the
#   middle of the shadow, dark around it; with the zone plate, made there for 500 nm and 2 m: the centre the
#   brightest point of the frame; O a third time: the aperture's very pixels;
# - the axial screen: Z stops where 5, 4, 3 and 2 zones are open, the plot's point at its top for an odd
#   number and on its axis for an even one (the stops at 3 and 2 kept as screenshots); from there a step on,
#   and a step on and back gives the page back;
# - a run begun at the slowest pace and ended at the fastest shows the very last picture a run stepped by the
#   timer's messages shows.
#   tests/e2e/lecture_e2e.sh PROGRAM.exe HELPER.exe PREFIX SCREENSHOT_FOLDER
source "$(dirname "$0")/e2e_lib.sh"
program=$1 helper=$2 runner=wine shots=$4
name=$(basename "$program" .exe)
export WINEPREFIX=$3 WINEDEBUG=-all
unset ZONARA_E2E_DISPLAY
ZONARA_SCREEN=1920x1080x24 source "$e2e_root/scripts/xvfb.sh"
trap cleanup EXIT
e2e_prefix
mkdir -p "$shots"
# luminance X Y: 0 .. 765, the sum of the pixel's channels.
luminance() { local c; IFS=, read -ra c <<<"$(pixel "$1" "$2")" && echo $((c[0] + c[1] + c[2])); }
start_page() { is 5 5 "$background" && ! is 288 192 "$background" && ! is 1632 192 "$background"; }

launch wine
wait_for 30 start_page && settle "$program" && wait_for 15 still || fail "the start page did not appear"

# The pattern screen: the current frame is 660 pixels square at (1148, 355), its centre (1478, 685), the
# disc's shadow edge 220 pixels out.
key 1 && wait_for 10 still && keep_as aperture
key o && wait_for 10 still || fail "O did not bring the disc"
centre=$(luminance 1478 685)
for r in 40 60 80; do
    [ "$(luminance $((1478 + r)) 685)" -lt $((centre / 2)) ] ||
        fail "with the disc the centre of the shadow ($centre) is not bright with dark around it at $r"
done
key o && wait_for 10 still || fail "O did not bring the zone plate"
# (Across the frame's middle row, and its middle column below the focus written in white at its top.)
brightness() { raw "$screen" -crop "$1" +repage -colorspace gray -format "%[fx:maxima*255]" info:; }
centre=$(brightness 1x1+1478+685)
for line in 660x1+1148+685 1x560+1478+455; do
    brightest=$(brightness "$line")
    awk -v c="$centre" -v b="$brightest" 'BEGIN { exit !(c >= b - 1) }' ||
        fail "with the zone plate at its focus the centre ($centre) is not the brightest point ($brightest)"
done
key o && wait_for 10 same_as aperture || fail "O a third time did not give the aperture's pattern back"
key Escape

# The axial screen at 600 nm, Z from the ready page. The plot is 538 x 369 at (1344, 398); its strip's top
# row and its axis are those the pages test pins; the point of the plot is the orange marker in the plot.
orange="255,176,0"
key 2 && wait_for 15 still || fail "the axial screen did not open"
for zones in 5 4 3 2; do
    key z && wait_for 30 still || fail "Z did not stop at $zones zones"
    marker=$(centre "$orange" 1344 398 538 369)
    [ -n "$marker" ] || fail "no point on the plot at $zones zones"
    y=${marker#*,}
    if [ $((zones % 2)) = 1 ]; then top=$y; else axis=$y; fi
    [ $zones -ge 4 ] || keep "$shots/axial_${name}_stop_$zones.png"
    keep_as stop
done
[ "$top" -lt $((axis - 200)) ] || fail "the points at odd and even zones are not at the top ($top) and the axis ($axis)"
# From the stop a step on is the step after it; from there a step on and back gives that page back.
key period && wait_for 15 still && ! same_as stop && keep_as after_stop || fail "a step on from the stop drew nothing"
key period && key comma && wait_for 15 same_as after_stop || fail "a step on and back did not give the page back"

# Paced runs: stepped to the end by the timer's messages; then begun at the slowest pace and ended at the
# fastest: the same last picture.
key r && key space && send tick 400 && wait_for 15 still && keep_as stepped
key r && key minus && key minus && key space && key space
sleep 2
key plus && key plus && key plus && key plus
sleep 12 # (the run has some 300 steps of 50 ms to go: no screenshots meanwhile)
wait_for 40 same_as stepped || fail "the paced run did not end at the picture of the stepped run"
key alt+F4
exits "$pid" "Alt+F4 after the objects and the steered runs"
echo "the disc's bright spot, the plate's focus, O back to the aperture, Z at 5 to 2 zones, a step on and back, a paced run's end: as they should be"
