#!/usr/bin/env bash
# A display change while the start page is shown rebuilds it for the new size. Xvfb cannot change its
# resolution, Wine's virtual desktop can: the program runs in a 1920 x 1080 desktop, the helper switches
# it to 1024 x 768 and reports where the rebuilt page and its buttons stand, a screenshot shows the
# emblems at their 1024 x 768 places, and changing back rebuilds the page again. (Inside the desktop the
# exit code is the desktop's, which ends with 0 too.)
#   tests/e2e/display_change_e2e.sh WINE_RUNNER PROGRAM.exe HELPER.exe
source "$(dirname "$0")/e2e_lib.sh"
runner=$1 program=$2 helper=$3
e2e_display
# The desktop's processes would keep this script's output open: their output goes elsewhere.
desktop="explorer /desktop=lecture-$$,1920x1080"
in_desktop() { $runner $desktop "$@" >/dev/null 2>&1; }
# change WIDTH HEIGHT: the helper's report, which the desktop writes in the background.
change() {
    in_desktop "$helper" change "$1" "$2" "Z:$e2e_work/$1.txt" || fail "the helper could not run"
    for _ in $(seq 150); do [ -s "$e2e_work/$1.txt" ] && break; sleep 0.1; done
    cat "$e2e_work/$1.txt" 2>/dev/null || echo "no report from the helper"
}
# Wine keeps a changed resolution for the prefix's later programs, also outside a virtual desktop: it
# is always changed back.
e2e_on_fail() { change 1920 1080 >/dev/null && in_desktop "$helper" close; }

start_page_at_1920() { is 5 5 "$background" && ! is 288 192 "$background"; }
# 1024 x 768: emblems 187 x 187 at (60, 39) and (776, 39), centres (153, 132) and (869, 132).
start_page_at_1024() {
    is 5 5 "$background" && ! is 153 132 "$background" && ! is 869 132 "$background" && is 1000 400 "$background"
}
$runner $desktop "$program" >/dev/null 2>&1 &
pid=$! && e2e_pids+=("$pid")
wait_for 30 start_page_at_1920 || fail "the start page did not appear in the virtual desktop"
report=$(change 1024 768) && echo "$report"
grep -qx "screen 1024 768" <<<"$report" || fail "the display did not change"
grep -qx "page 0 0 1024 768 start=1" <<<"$report" || fail "the start page was not rebuilt at 1024 x 768"
# W*88/100 = 901, H*88/100 = 675, W*10/100 = 102, H*10/100 = 76; mx = 20; the middle column at 307.
grep -qx "button 201 901 675 102 76" <<<"$report" || fail "Authors is not where 1024 x 768 puts it"
grep -qx "button 202 20 675 102 76" <<<"$report" || fail "Exit is not where 1024 x 768 puts it"
grep -qx "button 203 307 345 409 76" <<<"$report" || fail "the pattern button is not where 1024 x 768 puts it"
wait_for 15 start_page_at_1024 || fail "the rebuilt start page does not show the 1024 x 768 layout"
change 1920 1080 | grep -qx "page 0 0 1920 1080 start=1" || fail "the start page was not rebuilt at 1920 x 1080"
wait_for 15 start_page_at_1920 || fail "the start page rebuilt at 1920 x 1080 is not shown"
in_desktop "$helper" close
exits $pid "a close request in the virtual desktop"
echo "display change to 1024 x 768 and back: the start page was rebuilt for each size"
