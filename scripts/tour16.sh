#!/usr/bin/env bash
# One program at 16 bits per pixel, as on a lecture PC reached by remote desktop: every page must show at
# 16 bits what it shows at 24, reduced to the bits a 16-bit display keeps. The same tour runs on a private
# 1920 x 1080 display of each depth: the start page, authors, the pattern screen, and the axial and the
# radial screen 150 ticks of their timers (sent by the helper) into a run, with the phasor diagram (V).
# Both tours run in a Wine prefix of this test, whose server is started anew on each display.
# Wine shows at 16 bits even bitmaps that Windows would refuse to select there (the page tests' checks of
# Windows' rules catch those), so this is a tour to look at, not a test.
#   bash scripts/tour16.sh [PROGRAM.exe HELPER.exe SCREENSHOT_FOLDER PREFIX]
# (by default the Windows build's ZonaraEng.exe and display_helper.exe, its screenshots/ folder and a
# prefix of its own there).
# keeps the 16-bit screenshot of each stage, depth16_<program>_<stage>.png, and the 24-bit one of a stage
# that differs, depth24_<program>_<stage>.png.
source "$(dirname "$0")/../tests/e2e/e2e_lib.sh"
build=$e2e_root/build/windows
program=${1:-$build/ZonaraEng.exe} helper=${2:-$build/tests/display_helper.exe} shots=${3:-$build/screenshots}
name=$(basename "$program" .exe)
mkdir -p "$shots"
stages=(start authors pattern axial radial)

# next STAGE COMMAND...: COMMAND changes the picture; the new one, once it stands still, is kept as STAGE
# (a step on the way, "menu", only has to appear).
next() {
    cp "$screen" "$e2e_work/last.rgb"
    "${@:2}" || fail "$* failed at $depth bits"
    wait_for 30 eval '! cmp -s "$e2e_work/last.rgb" "$screen"' && settle "$program" || fail "no $1 at $depth bits"
    [ "$1" = menu ] && return
    wait_for 10 still || fail "the picture of $1 did not stand still at $depth bits"
    cp "$screen" "$e2e_work/$depth-$1.rgb"
    [ "$depth" = 24 ] || keep "$shots/depth16_${name}_$1.png"
}
# tour DEPTH: the program through every stage on a display of DEPTH bits, then Alt+F4. A Wine server keeps
# the display it started on: the prefix's server is started anew.
tour() {
    depth=$1
    e2e_display "$depth"
    wineserver -k 2>/dev/null
    wineserver -w
    "$e2e_root/scripts/wine-prefix.sh" "$WINEPREFIX" || fail "no Wine prefix at $WINEPREFIX"
    shot
    next start eval 'wine "$program" & pid=$! && e2e_pids+=("$pid")'
    next authors press "$program" a
    next menu press "$program" Escape
    next pattern press "$program" 1
    next menu press "$program" Escape
    next menu press "$program" 2
    next menu press "$program" space
    next menu press "$program" v
    next axial wine "$helper" tick 150
    next menu press "$program" Escape
    next menu press "$program" 3
    next menu press "$program" space
    next radial wine "$helper" tick 150
    press "$program" alt+F4
    exits "$pid" "Alt+F4 at $depth bits"
}

# One such test at a time: both programs' tests share the prefix.
export WINEPREFIX=${4:-$build/wineprefix-depth16} WINEDEBUG=-all
exec 9>"$WINEPREFIX-tours.lock"
flock 9
"$e2e_root/scripts/wine-prefix.sh" "$WINEPREFIX" || fail "no Wine prefix at $WINEPREFIX"
# Windows of the program are unmanaged here too: no window manager runs, and Wine would wait for one.
wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$(basename "$program")\\X11 Driver" /v Managed /d N /f \
    >/dev/null 2>&1
tour 16
tour 24
wineserver -k

# A 16-bit display keeps the top 5 bits of red and blue and the top 6 of green (Wine truncates; the
# screenshot widens them again, and the same top bits come back). ImageMagick holds an 8-bit value in the
# top byte of its quantum (v * 257 at 16 bits), so the masks keep the top bits of that byte.
# What the pages draw themselves comes out exactly the same at both depths. What Windows draws at the
# display's depth does not quite: the buttons' antialiased captions are blended on the 16-bit window, and
# LoadImage scales the emblems and portraits into bitmaps of the display's format; both land up to one
# level away in each channel, so one level is allowed everywhere. The scaled pictures go further in green,
# up to 3 levels in 2449 pixels of the start page and 3083 of the authors page: those two pages may have
# 3500 pixels beyond one level, every other page none. An emblem left blank is 57 000, a blank page 400 000.
q=$(convert xc: -format '%[fx:QuantumRange+1]' info:)
declare -A allowed=([start]=3500 [authors]=3500)
differing=()
for stage in "${stages[@]}"; do
    count=$(convert -size 1920x1080 -depth 8 "rgb:$e2e_work/16-$stage.rgb" "rgb:$e2e_work/24-$stage.rgb" \
        -channel R,B -evaluate and $((q - q / 32)) -channel G -evaluate and $((q - q / 64)) +channel \
        -compose difference -composite -channel R,B -evaluate subtract $((q / 32)) \
        -channel G -evaluate subtract $((q / 64)) +channel -separate -evaluate-sequence max \
        -fill white +opaque black -precision 8 -format '%[fx:round(mean*w*h)]' info:)
    echo "$stage: $count pixels more than one level away"
    [ "$count" -le "${allowed[$stage]:-0}" ] && continue
    differing+=("$stage ($count pixels)")
    raw "$e2e_work/24-$stage.rgb" "$shots/depth24_${name}_$stage.png"
done
[ ${#differing[@]} -eq 0 ] || fail "at 16 bits these differ from 24 bits: ${differing[*]} (both screenshots in $shots)"
echo "every page at 16 bits as at 24; screenshots in $shots"
