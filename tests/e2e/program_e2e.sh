#!/usr/bin/env bash
# One program end to end at 1920 x 1080, as a lecturer uses it, read back through screenshots: every page
# through its stages, the animated screens stepped by their timer's message from the helper; the lecturer's
# keys (F1 and Esc, Ctrl+C read back from the clipboard, Ctrl+S decoded, a held clipboard, no Pictures
# folder, P and P again); Alt+F4 on each screen; a desktop scaled to 150 % (144 dpi, a prefix of its own)
# showing the same pixels. Every run ends with exit code 0.
#   tests/e2e/program_e2e.sh WINE_RUNNER PROGRAM.exe HELPER.exe SCREENSHOT_FOLDER PREFIX_144_DPI
# keeps a screenshot of each stage of the screens: {pattern,axial,radial}_<program>_<stage>.png.
source "$(dirname "$0")/e2e_lib.sh"
runner=$1 program=$2 helper=$3 shots=$4
name=$(basename "$program" .exe)
mkdir -p "$shots"
e2e_display
stage() { keep "$shots/$1_${name}_$2.png"; }
# see X Y CHECK FAILURE: a click there makes the page pass CHECK, with no other page left on the screen.
see() { click "$1" "$2" && wait_for 20 eval "$3" && settle "$program" || fail "$4"; }

# The start page: emblems 282 x 282 at (147, 51) and (1491, 51), in their own colours; the screens'
# buttons centred at x = 960, y = 540, 702, 864; Authors and Menu at (1689, 950), Exit at (38, 950), all
# 192 x 108. The authors page adds the portraits, the first at (546, 501), 297 x 396.
start_page() {
    is 5 5 "$background" && is 1900 700 "$background" && ! is 288 192 "$background" && ! is 288 192 "$black" &&
        ! is 1632 192 "$background" && is 149 53 "$background" && is 560 880 "$background"
}
authors_page() {
    is 5 5 "$background" && ! is 288 192 "$background" && ! is 560 880 "$background" && ! is 1300 880 "$background"
}
launch "$runner"
wait_for 30 start_page && settle "$program" && wait_for 15 still ||
    fail "the start page did not appear with its emblems"
keep_as start
see 1785 1004 authors_page "Authors did not open the authors page"
see 1785 1004 start_page "Menu did not return from the authors page to the start page"

# The pattern screen: frames of 660 pixels at (378, 355) (comparison) and (1148, 355) (current); buttons
# 230 x 108 at x = 38: Compare at y = 355, Plots 506, Projection 657, Menu 950; the distance bar's right
# arrow at (1836, 199). The shadow edge lies 220 pixels from a frame's centre; at 500 nm, 2 mm, 2 m the
# first bright ring crosses the centre row 196 pixels in from a frame's left edge, and the centre is dark
# (four open zones). The plots run through the lowest 40 % of each frame, across its column 200.
fresh_pattern() {
    is 5 5 "$background" && is 1100 685 "$background" && is 708 685 "$black" && is 574 685 "$black" &&
        ! is 1344 685 "$black" && ! is 1344 685 "$background"
}
compared() { is 574 685 "$(pixel 1344 685)" && ! is 574 685 "$black"; }
distance_changed() { ! is 1344 685 "$ring" && is 574 685 "$ring"; }
projection() { is 928 685 "$white" && is 1698 685 "$white"; }
plots() { [ "$(count "$white" 1348 749 1 266)" -gt 0 ] && [ "$(count "$white" 578 749 1 266)" -gt 0 ]; }
see 960 540 fresh_pattern "the pattern screen did not open with its starting values"
stage pattern fresh
ring=$(pixel 1344 685)
see 153 409 compared "Compare did not copy the current frame into the comparison frame"
xdotool mousemove 1836 199 click --repeat 5 --delay 250 1 # 2.0 m to 2.5 m
wait_for 10 distance_changed || fail "the distance change did not move the current frame only"
stage pattern compare_distance
see 153 711 projection "the projection of the aperture is not drawn in both frames"
stage pattern projection
see 153 711 '! projection' "the projection did not switch off"
see 153 560 plots "the plots are not drawn in both frames"
stage pattern plots
see 153 1004 start_page "Menu did not return from the pattern screen to the start page"

# run SCREEN MOVED: Start draws step 0; Continue runs the screen's timer until MOVED shows a step drawn
# by it; Pause stops it; 150 ticks give the middle of the run, 400 more its end. Start is at (76, 312),
# Reset at (365, 312), both 249 x 108; Menu at (1651, 950).
run() {
    see 200 366 "$1"_step_zero "Start did not draw step 0 on the $1 screen"
    stage "$1" step0
    see 200 366 "$2" "Continue did not start the $1 screen's timer"
    click 200 366
    wait_for 15 still || fail "Pause did not stop the $1 screen's timer"
    send tick 150
    wait_for 15 "$1"_midrun || fail "the $1 screen did not step through the middle of its run"
    stage "$1" midrun
    send tick 400
    wait_for 15 "$1"_finished || fail "the $1 screen's run did not end where its layout puts the end"
    stage "$1" finished
}

# The axial screen at 600 nm: the zone picture 467 x 467 at (111, 484), zone 1 at (344, 717); the
# green start marker at (647, 638); the point of observation at the end of the run at (983, 550); the
# plot 538 x 369 at (1344, 398), its last sample at x = 1344 + 50 + 310.
orange="255,176,0"
axial_ready() { is 5 5 "$background" && is 115 488 "$grey" && is 647 638 "$green" && is 344 800 "$background"; }
axial_step_zero() { is 344 717 "$orange" && is 647 638 "$orange"; }
axial_midrun() { [ "$(count "$white" 1344 398 538 369)" -gt 200 ] && is 647 638 "$green"; }
axial_finished() {
    [ "$(centre "$orange" 930 500 110 100)" = "983,550" ] && [[ $(centre "$orange" 1344 398 538 369) == 1704,* ]]
}
see 960 702 axial_ready "the axial screen did not open ready"
stage axial ready
run axial 'is 647 638 "$green"'
see 489 366 axial_ready "Reset did not return the axial screen to its ready state"
see 1766 1004 start_page "Menu did not return from the axial screen to the start page"

# The radial screen: the zone picture 451 x 451 around (344, 725); the sketch of the observation screen
# 451 x 451 around (1008, 645), filled (230, 230, 240) once the run has started; the point of
# observation from (1008, 645) at step 0 to (1196, 645) at step 304, the end of the run; the plot
# 532 x 293 at (1273, 484), the end of its revealed curve at x = 1273 + 531.
radial_fresh() { is 124 505 "$grey" && is 908 495 "$background"; }
radial_step_zero() { is 908 495 "230,230,240" && is 1008 645 "$green"; }
radial_midrun() { [ "$(count "$white" 1273 484 532 293)" -gt 100 ] && ! is 1008 645 "$green"; }
radial_finished() {
    [ "$(centre "$green" 1140 600 120 90)" = "1196,645" ] && [[ $(centre "$green" 1700 484 140 293) == 1804,* ]]
}
see 960 864 radial_fresh "the radial screen did not open fresh"
stage radial fresh
run radial '! is 1008 645 "$green"'
see 489 366 radial_fresh "Reset did not return the radial screen to its fresh state"
see 1766 1004 start_page "Menu did not return from the radial screen to the start page"

# The lecturer's keys. The help panel is white with a dark blue frame and title; the note is a dark grey
# band in the middle of the screen's lower part (its top edge at y = 810). The prefix's Pictures folder is
# a real folder of its own (Wine links it to the home folder otherwise; "rm -rf" takes the link alone).
help_shown() { [ "$(count "0,0,96" 0 0 1920 1080)" -gt 1000 ] && [ "$(count "$white" 0 0 1920 1080)" -gt 300000 ]; }
note_shown() { is 960 813 "40,40,40"; }
pictures=${ZONARA_WINEPREFIX:?}/drive_c/users/$(whoami)/Pictures
rm -rf "$pictures" && mkdir -p "$pictures" || fail "no Pictures folder in the prefix"
key F1 && wait_for 15 help_shown || fail "F1 did not show the key help on the start page"
xdotool key F1 && wait_for 15 same_as start || fail "F1 did not take the help away, leaving the start page as it was"

# The axial screen 150 steps into a run, once plainly and once with the help shown over the steps, then
# taken away by Esc (which must not reach the page, where it is Menu). While the help is shown its window, a
# second one of the program, has the keyboard: keys for it go straight to the focused window.
key 2 && key space && send tick 150 && wait_for 15 still || fail "the axial screen did not step"
keep_as run
key r && key space && key F1 && wait_for 15 help_shown || fail "F1 did not show the key help on the axial screen"
send tick 150
xdotool key Escape && wait_for 15 same_as run ||
    fail "after Esc over the help the axial screen is not the one a run without the help shows"

# Ctrl+C: a note; Ctrl+S at once, while that note is shown (the picture must be the page without it). The
# clipboard holds the screen's picture, and Pictures a PNG of it named for the program, the page and the time;
# then the notes go and leave the page as it was.
key ctrl+c && wait_for 15 note_shown || fail "Ctrl+C showed no note"
key ctrl+s
send clipboard "Z:${e2e_work//\//\\}\\clip.rgb"
cmp -s "$e2e_work/clip.rgb" "$e2e_work/run.rgb" || fail "the clipboard's picture is not what the screen shows"
wait_for 10 eval 'compgen -G "$pictures/$name axial 20??-??-?? ??-??-??.png" >/dev/null' ||
    fail "Ctrl+S saved no PNG named for the program, the page and the time in Pictures"
saved=$(compgen -G "$pictures/$name axial *.png")
convert "$saved" -depth 8 "rgb:$e2e_work/saved.rgb" && cmp -s "$e2e_work/saved.rgb" "$e2e_work/run.rgb" ||
    fail "the saved picture is not what the screen shows"
wait_for 15 same_as run || fail "the notes after Ctrl+C and Ctrl+S did not go away"

# Failures: the clipboard held by another program for 4 s, Pictures a file rather than a folder.
"$runner" "$helper" holdclipboard 4000 &
holder=$!
sleep 1
key ctrl+c && wait_for 15 note_shown || fail "Ctrl+C on a held clipboard showed no note"
wait "$holder"
rm -rf "$pictures" && touch "$pictures"
key ctrl+s && wait_for 15 note_shown || fail "Ctrl+S with no Pictures folder showed no note"
wait_for 15 same_as run && kill -0 "$pid" || fail "a failed copy or save harmed the page"

# P: the projector palette (a white page), kept on the start page; P again, the classic pictures exactly.
key p && wait_for 15 eval 'is 5 5 "$white"' || fail "P did not turn the axial screen to the projector palette"
key Escape && wait_for 15 eval 'is 5 5 "$white"' || fail "the projector palette was not kept on the start page"
key p && wait_for 15 same_as start || fail "P again did not give the start page's classic picture back"
key 2 && key space && send tick 150 && wait_for 15 same_as run ||
    fail "after the palette and back the axial screen is not the classic one"
key alt+F4
exits "$pid" "Alt+F4 on the axial screen after the lecturer's keys"

# More runs, each showing the first run's start page, the very same picture, and ending in its own way:
# Alt+F4 on the pattern and on the radial screen, and Exit on a desktop scaled to 150 %.
again() { launch "$@" && wait_for 30 same_as start && settle "$program"; }
for ending in "540 fresh_pattern pattern" "864 radial_fresh radial"; do
    read -r y ready screen_name <<<"$ending"
    again "$runner" || fail "the start page did not appear in a new run"
    see 960 "$y" "$ready" "the $screen_name screen did not open in a new run"
    key alt+F4
    exits $pid "Alt+F4 on the $screen_name screen"
done

export WINEPREFIX=$5 WINEDEBUG=-all
e2e_prefix
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
again wine || fail "at 144 dpi the start page is not the picture it is at 96 dpi"
see 960 702 axial_ready "at 144 dpi the axial screen is not where it is at 96 dpi"
see 1766 1004 start_page "at 144 dpi Menu did not return from the axial screen to the start page"
click 134 1004
exits $pid "Exit at 144 dpi"
echo "all pages through their stages, the lecturer's keys, Alt+F4 on each screen and Exit at 144 dpi (0); screenshots in $shots"
