#!/usr/bin/env bash
# A display change while the start page is shown rebuilds it for the new size. Xvfb cannot change its
# resolution, Wine's virtual desktop can: the program runs in a 1920 x 1080 desktop, the helper
# switches it to 1024 x 768 and reports where the rebuilt page and its buttons stand; a screenshot then
# shows the emblems at their 1024 x 768 places; changing back rebuilds it again. (Inside the desktop the exit code is the desktop's, so
# exit codes are tested by program_e2e.sh.)
#   tests/e2e/display_change_e2e.sh WINE_RUNNER PROGRAM.exe HELPER.exe
source "$(dirname "$0")/e2e_lib.sh"
runner=$1
program=$2
helper=$3
e2e_display
desktop="explorer /desktop=lecture-$$,1920x1080"

start_page_at_1920() { [ "$(pixel 5 5)" = "$background" ] && [ "$(pixel 288 192)" != "$background" ]; }
# 1024 x 768: emblems 187 x 187 at (60, 39) and (776, 39), centres (153, 132) and (869, 132).
start_page_at_1024() {
    [ "$(pixel 5 5)" = "$background" ] && [ "$(pixel 153 132)" != "$background" ] &&
        [ "$(pixel 869 132)" != "$background" ] && [ "$(pixel 1000 400)" = "$background" ]
}

# Wine keeps a changed resolution for the prefix's later programs, also outside a virtual desktop:
# it is always changed back. The desktop's processes would keep this script's output open: their
# output goes elsewhere.
restore() {
    $runner $desktop "$helper" change 1920 1080 "Z:$e2e_work/restored.txt" >/dev/null 2>&1
    for _ in $(seq 50); do [ -s "$e2e_work/restored.txt" ] && break; sleep 0.2; done
}
e2e_on_fail() {
    restore
    $runner $desktop "$helper" close >/dev/null 2>&1
}
$runner $desktop "$program" >/dev/null 2>&1 &
pid=$!
e2e_pids+=($pid)
wait_for 30 start_page_at_1920 || fail "the start page did not appear in the virtual desktop"
report="$e2e_work/report.txt"
$runner $desktop "$helper" change 1024 768 "Z:$report" >/dev/null 2>&1 || fail "the helper could not run"
for _ in $(seq 50); do [ -s "$report" ] && break; sleep 0.2; done  # the desktop runs it in the background
[ -s "$report" ] || fail "the helper wrote no report"
cat "$report"
grep -qx "screen 1024 768" "$report" || fail "the display did not change"
grep -qx "page 0 0 1024 768 start=1" "$report" || fail "the start page was not rebuilt at 1024 x 768"
# W*88/100 = 901, H*88/100 = 675, W*10/100 = 102, H*10/100 = 76; mx = 20; the middle column at 307.
grep -qx "button 201 901 675 102 76" "$report" || fail "Authors is not where 1024 x 768 puts it"
grep -qx "button 202 20 675 102 76" "$report" || fail "Exit is not where 1024 x 768 puts it"
grep -qx "button 203 307 345 409 76" "$report" || fail "the pattern button is not where 1024 x 768 puts it"
wait_for 15 start_page_at_1024 || fail "the rebuilt start page does not show the 1024 x 768 layout"
restore
grep -qx "page 0 0 1920 1080 start=1" "$e2e_work/restored.txt" || fail "the start page was not rebuilt at 1920 x 1080"
$runner $desktop "$helper" close >/dev/null 2>&1
wait_exit $pid 20 >/dev/null
echo "display change to 1024 x 768: the start page was rebuilt for the new size"
