#!/usr/bin/env bash
# A laptop driving a projector: one program on a real two-monitor X server (Xorg's dummy driver, whose
# outputs xrandr places side by side; Xvfb puts every screen at 0,0). A 1920 x 1080 laptop screen, and a
# 1024 x 768 projector to its right. Each time, the page's window must cover its monitor exactly, and its
# pixels must be those of a one-monitor run at that size in the same state:
#   started with the pointer on the projector: there;   key M: on the laptop;
#   the axial screen at step 0 with the phasor diagram, moved onto the projector as the system moves a
#   window: there, the same step; the projector switched off (Wine lists the change, and the helper sends
#   the notification Windows would): back on the laptop; the projector on again, key M, and its mode
#   changed to 1920 x 1080: the page fills it anew. Alt+F4 then ends the program with 0.
#   tests/e2e/monitors_e2e.sh PROGRAM.exe HELPER.exe PREFIX
source "$(dirname "$0")/e2e_lib.sh"
program=$1 helper=$2 runner=wine
export WINEPREFIX=$3 WINEDEBUG=-all
for n in $(seq 140 180); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
Xorg ":$n" -noreset -nolisten tcp -config "$e2e_root/tests/e2e/two_monitors.conf" \
    -logfile "$e2e_work/xorg.log" >/dev/null 2>&1 &
e2e_pids+=("$!")
export DISPLAY=":$n"
within 15 xdpyinfo >/dev/null 2>&1
trap cleanup EXIT
# outputs ARGUMENTS...: xrandr changes the outputs; a plain query then makes the server's configuration
# current, which is what Wine reads (it does not poll the outputs itself).
outputs() { xrandr "$@" && xrandr >/dev/null; }
# The projector's output knows no modes until it is given them.
for mode in 1024x768 1920x1080; do xrandr --addmode DUMMY1 "$mode"; done
# Both programs' tests share the prefix, one at a time (ctest's lock on the two-monitor display); its server
# must serve this display. (No file lock here: the server the prefix keeps alive for a minute would inherit
# it, and hold the next test up for that minute.)
wineserver -k 2>/dev/null
wineserver -w
# The laptop alone at its size before Wine's desktop starts: a change while it is starting can go unseen.
outputs --output DUMMY1 --off
outputs --output DUMMY0 --mode 1920x1080
e2e_prefix

laptop="0 0 1920 1080" projector="1920 0 2944 768"
report() { wine "$helper" "$1" | tr -d '\r'; }
# monitors "L T R B"...: xrandr has made them, and Wine lists exactly these.
monitors() {
    within 30 says monitors "$(printf 'monitor %s\n' "$@")" ||
        fail "Wine does not list the monitors $*: $(report monitors | tr '\n' ';'); xrandr: $(xrandr --listmonitors | tr '\n' ';')"
}
says() { [ "$(report "$1")" = "$2" ]; }
# fills "L T R B": the page's window covers that rectangle, once the page has been made anew.
fills() { within 30 says where "page $1" && settle "$program" || fail "the page does not fill $1: $(report where)"; }
# shows NAME "L T R B" SAME_AS WHAT: the page fills that rectangle, and its picture there, once it stands
# still, kept as NAME.rgb, is the one-monitor run's SAME_AS.rgb.
shows() {
    local box=($2)
    fills "$2"
    wait_for 10 still || fail "the picture does not stand still for $1"
    convert -size "$(xdpyinfo | awk '/dimensions/ { print $2 }')" -depth 8 "rgb:$screen" \
        -crop "$((box[2] - box[0]))x$((box[3] - box[1]))+${box[0]}+${box[1]}" +repage "rgb:$e2e_work/$1.rgb"
    [ -z "${3:-}" ] || cmp -s "$e2e_work/$1.rgb" "$e2e_work/$3.rgb" || fail "$4: not the page a one-monitor run shows"
}

# One monitor at each size: what the page must look like.
for size in 1920x1080 1024x768; do
    outputs --output DUMMY0 --mode "$size"
    w=${size%x*} h=${size#*x}
    monitors "0 0 $w $h"
    launch wine
    shows "start-$size" "0 0 $w $h"
    key 2 && key space && key v
    shows "axial-$size" "0 0 $w $h"
    key alt+F4
    exits "$pid" "Alt+F4 on a one-monitor run"
done

# The laptop screen back at its size, and the projector beside it.
outputs --output DUMMY0 --mode 1920x1080 --output DUMMY1 --mode 1024x768 --right-of DUMMY0
monitors "$laptop" "$projector"
xdotool mousemove 2400 300
launch wine
shows start-projector "$projector" start-1024x768 "started with the pointer on the projector"
key m
shows start-laptop "$laptop" start-1920x1080 "moved to the laptop with M"
key 2 && key space && key v
send move 1950 10
shows axial-projector "$projector" axial-1024x768 "moved onto the projector"
outputs --output DUMMY1 --off
monitors "$laptop"
send displaychange
shows axial-laptop "$laptop" axial-1920x1080 "back from a projector switched off"
outputs --output DUMMY1 --mode 1024x768 --right-of DUMMY0
monitors "$laptop" "$projector"
key m
fills "$projector"
outputs --output DUMMY1 --mode 1920x1080
monitors "$laptop" "1920 0 3840 1080"
send displaychange
shows axial-wide "1920 0 3840 1080" axial-1920x1080 "on a projector whose mode changed"
key alt+F4
exits "$pid" "Alt+F4 on two monitors"
echo "on the pointer's monitor at start, M, a move, a monitor switched off and a mode change: the page fills its monitor as a one-monitor run would"
