#!/usr/bin/env bash
# The lecturer's keys through the window, at 1920 x 1080: F1 shows the key help over the page and F1 or Esc
# hides it, leaving the page exactly as a run without it (its animation going on underneath); Ctrl+C puts
# the page, as the screen shows it, on the clipboard (read back by the helper, a second program); Ctrl+S
# saves it as a PNG in the Pictures folder (decoded here); a clipboard held by another program and a
# Pictures folder that is not a folder give a note and no harm; P turns the page to the projector palette,
# kept on the next page, and P again gives the classic picture back pixel for pixel.
#   tests/e2e/lecturer_kit_e2e.sh WINE_RUNNER PROGRAM.exe HELPER.exe
source "$(dirname "$0")/e2e_lib.sh"
runner=$1 program=$2 helper=$3
name=$(basename "$program" .exe)
e2e_display
send() { "$runner" "$helper" "$@" || fail "the helper could not $*"; }
key() { press "$program" "$@" && sleep 0.3; }
# The help has the keyboard while it is shown (its window, a second one of the program, has the focus).
key_to_help() { xdotool key "$@" && sleep 0.3; }
# The help panel is white with a dark blue frame and title; the note is a dark grey band in the middle
# of the screen's lower part (its top edge at y = 810).
help_shown() { [ "$(count "0,0,96" 0 0 1920 1080)" -gt 2000 ]; }
note_shown() { is 960 813 "40,40,40"; }
same_as() { cmp -s "$e2e_work/$1.rgb" "$screen"; }
keep_as() { cp "$screen" "$e2e_work/$1.rgb"; }

# The prefix's Pictures folder is a real folder of its own (Wine links it to the home folder otherwise).
# (Wine's own home folder links; "rm -rf" on a link takes the link alone.)
"$runner" cmd /c exit || fail "no Wine prefix"
pictures=${ZONARA_WINEPREFIX:?}/drive_c/users/$(whoami)/Pictures
rm -rf "$pictures" && mkdir -p "$pictures" || fail "no Pictures folder in the prefix"

"$runner" "$program" &
pid=$!
e2e_pids+=("$pid")
wait_for 30 eval 'is 5 5 "$background"' && settle "$program" && wait_for 5 still || fail "the start page did not appear"
keep_as start
key F1 && wait_for 5 help_shown || fail "F1 did not show the key help on the start page"
key_to_help F1 && wait_for 5 same_as start || fail "F1 did not take the help away, leaving the start page as it was"

# The axial screen 150 steps into a run, once plainly and once with the help shown over the steps, then
# taken away by Esc (which must not reach the page, where it is Menu).
key 2 && key space && send tick 150 && wait_for 5 still || fail "the axial screen did not step"
keep_as run
key r && key space && key F1 && wait_for 5 help_shown || fail "F1 did not show the key help on the axial screen"
send tick 150
key_to_help Escape && wait_for 5 same_as run ||
    fail "after Esc over the help the axial screen is not the one a run without the help shows"

# Ctrl+C: a note, and the clipboard holds the screen's picture.
key ctrl+c && wait_for 5 note_shown || fail "Ctrl+C showed no note"
[ "$(send clipboard "Z:${e2e_work//\//\\}\\clip.rgb" | tr -d '\r')" = "1920 1080" ] ||
    fail "the clipboard holds no picture of the page's size"
cmp -s "$e2e_work/clip.rgb" "$e2e_work/run.rgb" || fail "the clipboard's picture is not what the screen shows"

# Ctrl+S while that note is still shown: a PNG named for the program, the page and the time, whose pixels
# are the screen's without the note; then the note goes and leaves the page as it was.
shot && note_shown || fail "the note after Ctrl+C went too soon for the test"
key ctrl+s
wait_for 10 eval 'compgen -G "$pictures/$name axial 20??-??-?? ??-??-??.png" >/dev/null' ||
    fail "Ctrl+S saved no PNG named for the program, the page and the time in Pictures"
saved=$(compgen -G "$pictures/$name axial *.png")
convert "$saved" -depth 8 "rgb:$e2e_work/saved.rgb" && cmp -s "$e2e_work/saved.rgb" "$e2e_work/run.rgb" ||
    fail "the saved picture is not what the screen shows"
wait_for 5 same_as run || fail "the notes after Ctrl+C and Ctrl+S did not go away"

# Failures: the clipboard held by another program for 4 s, Pictures a file rather than a folder.
"$runner" "$helper" holdclipboard 4000 &
holder=$!
sleep 1
key ctrl+c && wait_for 5 note_shown || fail "Ctrl+C on a held clipboard showed no note"
wait "$holder"
rm -rf "$pictures" && touch "$pictures"
key ctrl+s && wait_for 5 note_shown || fail "Ctrl+S with no Pictures folder showed no note"
wait_for 5 same_as run && kill -0 "$pid" || fail "a failed copy or save harmed the page"

# P: the projector palette (a white page), kept on the start page; P again, the classic pictures exactly.
key p && wait_for 5 eval 'is 5 5 "$white"' || fail "P did not turn the axial screen to the projector palette"
key Escape && wait_for 5 eval 'is 5 5 "$white"' || fail "the projector palette was not kept on the start page"
key p && wait_for 5 same_as start || fail "P again did not give the start page's classic picture back"
key 2 && key space && send tick 150 && wait_for 5 same_as run ||
    fail "after the palette and back the axial screen is not the classic one"
press "$program" alt+F4
exits "$pid" "Alt+F4 after the lecturer's keys"
echo "F1, Esc, Ctrl+C (read back), Ctrl+S (decoded), a held clipboard, no Pictures folder and P in $name"
