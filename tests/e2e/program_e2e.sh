#!/usr/bin/env bash
# One program end to end at 1920 x 1080, as a lecturer uses it: the start page appears with its
# emblems on the page background, "Authors" opens the authors page and its "Menu" returns, "Exit" ends
# the program with exit code 0, and so does Alt+F4 in a second run.
#   tests/e2e/program_e2e.sh WINE_RUNNER PROGRAM.exe
source "$(dirname "$0")/e2e_lib.sh"
runner=$1
program=$2
e2e_display

# At 1920 x 1080 (worked layout): emblems 282 x 282 at (147, 51) and (1491, 51); buttons 192 x 108,
# "Authors" and "Menu" at (1689, 950), "Exit" at (38, 950); the first portrait at (546, 501), 297 x 396.
start_page_shown() {
    [ "$(pixel 5 5)" = "$background" ] && [ "$(pixel 1900 700)" = "$background" ] &&
        [ "$(pixel 288 192)" != "$background" ] && [ "$(pixel 1632 192)" != "$background" ] &&
        [ "$(pixel 560 880)" = "$background" ]
}
authors_page_shown() {
    [ "$(pixel 5 5)" = "$background" ] && [ "$(pixel 288 192)" != "$background" ] &&
        [ "$(pixel 560 880)" != "$background" ] && [ "$(pixel 1300 880)" != "$background" ]
}
# The emblems keep their own colours: the middle of the left one is neither background nor black.
emblem_colours_right() {
    local centre
    centre=$(pixel 288 192)
    [ "$centre" != "$background" ] && [ "$centre" != "0,0,0" ] && [ "$(pixel 149 53)" = "$background" ]
}

"$runner" "$program" &
pid=$!
e2e_pids+=($pid)
wait_for 30 start_page_shown || fail "the start page did not appear"
settle "$program"
emblem_colours_right || fail "the emblems are not drawn as expected: centre $(pixel 288 192)"
click 1785 1004
wait_for 15 authors_page_shown || fail "Authors did not open the authors page"
settle "$program" || fail "the start page stayed beside the authors page"
click 1785 1004
wait_for 15 start_page_shown || fail "Menu did not return to the start page"
settle "$program" || fail "the authors page stayed beside the start page"
click 134 1004
wait_exit $pid 15
code=$?
[ $code -eq 0 ] || fail "Exit ended the program with code $code"

"$runner" "$program" &
pid=$!
e2e_pids+=($pid)
wait_for 30 start_page_shown || fail "the start page did not appear the second time"
press "$program" alt+F4
wait_exit $pid 15
code=$?
[ $code -eq 0 ] || fail "Alt+F4 ended the program with code $code"
echo "start page, Authors -> Menu, Exit (0) and Alt+F4 (0): all as expected"
