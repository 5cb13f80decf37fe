#!/usr/bin/env bash
# One program among the others on the lecture PC, under Wine, on a display and in a prefix of its own:
# - minimised from outside on the axial and the radial screen mid-run, it stays minimised in the same window,
#   and restored it shows the same window full screen with the same pixels; a running run goes on restored;
# - the display is kept on while the page is shown in front, and given up when it is minimised (Wine's stub
#   of SetThreadExecutionState says what it was asked on warn+ntdll);
# - P, M and a display change on the axial and the radial screen paused mid-run: sampled every 100 ms from
#   the key on, no frame shows the page without its demonstration; M on one monitor and a display change that
#   leaves the monitor as it was keep the very window, and a running run goes on;
# - Ctrl+C with another program's window over part of the page: the picture is the page alone;
# - the key help: F1 held down shows it and the next F1 hides it, giving the focus mark back; a click beside
#   it only hides it; Alt+F4 over it ends the program;
# - a second start ends with 0 within five seconds and brings the first copy, restored, to the front;
# - started as a shortcut set to "Run: Minimized" does (start /min): one page window, minimised and unchanged
#   for five seconds; restored, the start page full screen.
#   tests/e2e/neighbour_e2e.sh PROGRAM.exe HELPER.exe PREFIX
source "$(dirname "$0")/e2e_lib.sh"
program=$1 helper=$2 runner=wine
export WINEPREFIX=$3 WINEDEBUG=-all
# A display of its own: these tests minimise, restore and cover windows beside the other tests.
unset ZONARA_E2E_DISPLAY
ZONARA_SCREEN=1920x1080x24 source "$e2e_root/scripts/xvfb.sh"
trap cleanup EXIT
e2e_prefix
report() { wine "$helper" "$@" | tr -d '\r'; }
state() { report state; }
handle() { state | awk '{ print $2 }'; }
# A zone's colour, neither the page's (lavender, or white in the projector palette) nor black: the
# demonstration shows. Points in the middle of the zone picture: the axial screen's (zone 1 at 600 nm from
# step 0 on), the radial screen's.
demonstrated() { [ "$1" != "$background" ] && [ "$1" != "$white" ] && [ "$1" != "$black" ]; }
axial_zone="344 725" radial_zone="344 717"
start_page() { is 5 5 "$background" && ! is 288 192 "$background" && ! is 1632 192 "$background"; }
# mid_run DIGIT: the start page's screen DIGIT opened, Start, Continue, Pause, and 150 steps.
mid_run() {
    key "$1" && key space && key space && key space && send tick 150 && wait_for 15 still ||
        fail "no run paused mid-way on screen $1"
}

WINEDEBUG=warn+ntdll wine "$program" 2>"$e2e_work/log" &
pid=$! && e2e_pids+=("$pid")
wait_for 30 start_page && settle "$program" && wait_for 15 still || fail "the start page did not appear"
keep_as start

# Minimised from outside, restored: the same window, full screen, the same pixels, on both screens mid-run.
for screen_name in axial radial; do
    mid_run "$([ $screen_name = axial ] && echo 2 || echo 3)"
    keep_as before
    window=$(handle)
    send minimise
    within 15 eval '[[ $(state) == *minimised* ]]' || fail "the $screen_name screen did not minimise"
    sleep 5
    [[ $(state) == "page $window minimised"* ]] ||
        fail "minimised, the $screen_name screen did not stay minimised in its window: $(state)"
    send restore
    within 15 eval '[[ $(state) == "page $window shown 0 0 1920 1080"* ]]' ||
        fail "restored, the $screen_name screen is not its window full screen: $(state)"
    wait_for 15 same_as before || fail "restored, the $screen_name screen does not show what it showed"
    key Escape
done
# A running run waits while minimised and goes on once restored.
key 2 && key space && key space && wait_for 15 eval '! still' || fail "the axial run did not start"
send minimise && sleep 1 && send restore
wait_for 15 eval '! still' || fail "restored, the axial run did not go on"
key Escape
grep -q 'NtSetThreadExecutionState (0x80000003' "$e2e_work/log" ||
    fail "the display was not kept on while the page was shown"
grep -q 'NtSetThreadExecutionState (0x80000000' "$e2e_work/log" ||
    fail "the display was not given up when the page was minimised"

# P, M and a display change on each animated screen paused mid-run: every sample from the key on shows the
# demonstration; M on one monitor and a display change that leaves it as it was keep the very window.
for screen_name in axial radial; do
    mid_run "$([ $screen_name = axial ] && echo 2 || echo 3)"
    point=${screen_name}_zone
    for change in p m displaychange p; do
        window=$(handle)
        report watch 100 30 ${!point} >"$e2e_work/watch" &
        watcher=$!
        sleep 1
        if [ $change = displaychange ]; then send displaychange; else key "$change"; fi
        wait "$watcher"
        [ "$(wc -l <"$e2e_work/watch")" -ge 25 ] || fail "too few samples after $change"
        while read -r colour; do
            demonstrated "$colour" ||
                fail "after $change the $screen_name screen showed a frame without its demonstration ($colour)"
        done <"$e2e_work/watch"
        [ $change = p ] || [ "$(handle)" = "$window" ] || fail "$change made the $screen_name screen again"
    done
    key Escape
done
key 2 && key space && key space && wait_for 15 eval '! still' || fail "the axial run did not start"
window=$(handle)
key m && send displaychange
[ "$(handle)" = "$window" ] && wait_for 15 eval '! still' || fail "M or a display change stopped a running run"
key Escape

# Ctrl+C with another program's window over the page: the picture is the page alone.
mid_run 2
click 200 366 && sleep 0.3 && click 200 366 # Continue, Pause: the Start button has the focus, and its mark
wait_for 15 still && keep_as run
report cover 600 300 1400 800 6000 >/dev/null &
cover=$!
wait_for 15 eval 'is 1000 500 "255,0,255"' || fail "the helper's window did not cover the page"
key ctrl+c
send clipboard "Z:${e2e_work//\//\\}\\clip.rgb"
cmp -s "$e2e_work/clip.rgb" "$e2e_work/run.rgb" || fail "the picture copied under another window is not the page"
wait "$cover"

# The key help: F1 held down (the key repeats) shows it, the next F1 hides it and the page has its focus
# mark back; a click beside it only hides it; Alt+F4 over it ends the program.
help_shown() { [ "$(count "0,0,96" 0 0 1920 1080)" -gt 1000 ] && [ "$(count "$white" 0 0 1920 1080)" -gt 300000 ]; }
wait_for 15 same_as run || fail "the cover and the note did not go away"
keep_as focused
focus "$program" && for _ in 1 2 3 4 5 6 7 8 9 10; do xdotool keydown F1 && sleep 0.15; done && xdotool keyup F1
wait_for 15 help_shown || fail "F1 held down did not show the help"
xdotool key F1 && wait_for 15 same_as focused || fail "F1 after F1 held down did not leave the page as it was"
key F1 && wait_for 15 help_shown || fail "F1 did not show the help again"
click 1766 1004 # Menu, beside the help
wait_for 15 same_as focused || fail "a click beside the help did more than hide it"
key F1 && wait_for 15 help_shown || fail "F1 did not show the help once more"
xdotool key alt+F4
exits "$pid" "Alt+F4 over the help"

# A second start: the first copy, minimised, comes back in front; the second ends with 0.
launch wine
wait_for 30 same_as start && settle "$program" || fail "the start page did not appear again"
first=$pid
send minimise && within 15 eval '[[ $(state) == *minimised* ]]' || fail "the start page did not minimise"
launch wine
within 5 eval "! kill -0 $pid 2>/dev/null" && wait "$pid" || fail "a second start did not end with 0 within five seconds"
within 15 eval '[[ $(state) == *" shown 0 0 1920 1080 front" ]]' || fail "the first copy is not in front: $(state)"
wait_for 15 same_as start || fail "the first copy did not come back as it was"
key alt+F4
exits "$first" "Alt+F4 on the first copy"

# Started minimised: one window, minimised, for five seconds; restored, the start page full screen.
wine start /wait /min /unix "$program" &
pid=$! && e2e_pids+=("$pid")
within 30 eval '[[ $(state) == *minimised* ]]' || fail "started minimised, no minimised page: $(state)"
window=$(handle)
sleep 5
[[ $(state) == "page $window minimised"* ]] || fail "started minimised, the page did not stay put: $(state)"
send restore
within 15 eval '[[ $(state) == "page $window shown 0 0 1920 1080"* ]]' || fail "restored, no full screen: $(state)"
wait_for 15 same_as start || fail "restored, the start page is not what it is otherwise"
key alt+F4
exits "$pid" "Alt+F4 after a minimised start"
echo "minimised and restored, kept awake, rebuilt without a bare frame, copied under another window, the help, one copy, started minimised: as a neighbour should"
