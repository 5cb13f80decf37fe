# Shared by the end-to-end scripts (sourced): a 1920 x 1080 display, screenshots, pixels and waiting.
set -u
e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_work=$(mktemp -d)
screen=$e2e_work/shot.rgb
background="205,206,255" black="0,0,0" white="255,255,255" green="0,255,0" grey="64,64,64"
e2e_pids=() kept_pids=()

# At the end programs still running (after a failure) are ended by their process ids, PNGs waited for.
cleanup() {
    for pid in "${e2e_pids[@]}" ${zonara_xvfb_pid:-}; do kill "$pid" 2>/dev/null || true; done
    for pid in "${kept_pids[@]}"; do wait "$pid"; done
    rm -rf "$e2e_work"
}

# e2e_display [DEPTH]: a display of 1920 x 1080 at DEPTH bits per pixel (24 unless given): the caller's
# (ZONARA_E2E_DISPLAY, else DISPLAY) if it is one, else a private Xvfb, replacing one of an earlier call.
e2e_display() {
    [ -z "${ZONARA_E2E_DISPLAY:-}" ] || export DISPLAY=$ZONARA_E2E_DISPLAY
    # (xdpyinfo names the screen's dimensions before the depth of its root window.)
    if ! xdpyinfo 2>/dev/null | grep -qz "dimensions: *1920x1080 .*depth of root window: *${1:-24} planes"; then
        [ -z "${zonara_xvfb_pid:-}" ] || kill "$zonara_xvfb_pid"
        ZONARA_SCREEN=1920x1080x${1:-24} source "$e2e_root/scripts/xvfb.sh"
    fi
    trap cleanup EXIT
}

fail() {
    echo "FAIL: $*" >&2
    [ -f "$screen" ] && raw "$screen" "${TMPDIR:-/tmp}/zonara-e2e-failure.png" &&
        echo "last screenshot: ${TMPDIR:-/tmp}/zonara-e2e-failure.png" >&2
    exit 1
}

# Screenshots stay raw 8-bit RGB, which takes a fraction of the time of a PNG to write and to read.
shot() { import -window root -depth 8 "rgb:$screen" 2>/dev/null; }
raw() { convert -size 1920x1080 -depth 8 "rgb:$1" "${@:2}"; }
# keep FILE.png: the last screenshot as a PNG, written in the background while the test goes on.
keep() {
    cp "$screen" "$e2e_work/${#kept_pids[@]}.rgb"
    raw "$e2e_work/${#kept_pids[@]}.rgb" -define png:compression-level=1 "$1" &
    kept_pids+=("$!")
}
# keep_as NAME: the last screenshot kept; same_as NAME: the last screenshot is that one, pixel for pixel.
keep_as() { cp "$screen" "$e2e_work/$1.rgb"; }
same_as() { cmp -s "$e2e_work/$1.rgb" "$screen"; }
# pixel X Y: "red,green,blue" of the last screenshot; is X Y "R,G,B": the pixel has that colour.
pixel() {
    local rgb
    read -ra rgb < <(od -An -tu1 -j $((($2 * 1920 + $1) * 3)) -N3 "$screen")
    echo "${rgb[0]},${rgb[1]},${rgb[2]}"
}
is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
# count "R,G,B" X Y WIDTH HEIGHT: how many pixels of the rectangle have that colour, as a whole number
# (ImageMagick writes a million and more as 1.2e+06, which the shell cannot compare).
count() {
    raw "$screen" -crop "$4x$5+$2+$3" +repage -fill black +opaque "rgb($1)" -format "%[fx:round(mean*w*h)]" info: |
        awk '{ printf "%d\n", $1 }'
}
# centre "R,G,B" X Y WIDTH HEIGHT: "x,y", the middle of the bounding box of the pixels of that colour in
# the rectangle (screen coordinates), or nothing when there are none.
centre() {
    local box
    box=$(raw "$screen" -crop "$4x$5+$2+$3" +repage -fill black +opaque "rgb($1)" -fill white -opaque "rgb($1)" \
        -bordercolor black -border 1 -format "%@" info: 2>/dev/null)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] && ((BASH_REMATCH[1] > 0 && BASH_REMATCH[1] < $4 + 2)) ||
        return 0
    echo "$(($2 + BASH_REMATCH[3] - 1 + BASH_REMATCH[1] / 2)),$(($3 + BASH_REMATCH[4] - 1 + BASH_REMATCH[2] / 2))"
}

# within SECONDS COMMAND...: COMMAND succeeds within SECONDS, tried every quarter of a second (a try may take a
# screenshot or start a helper under Wine: trying more often would take the processors from the program).
within() {
    local end=$((SECONDS + $1))
    until "${@:2}"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.25
    done
}
# wait_for SECONDS COMMAND...: takes screenshots until COMMAND succeeds on one.
wait_for() { within "$1" shot_and "${@:2}"; }
shot_and() { shot && "$@"; }
# still: the screen shows the very same picture 0.3 s after the last screenshot (nothing moves).
still() { cp "$screen" "$e2e_work/before.rgb" && sleep 0.3 && shot && cmp -s "$e2e_work/before.rgb" "$screen"; }
# exits PID WHAT: WHAT ends the program PID within 15 s, with exit code 0.
exits() {
    within 15 eval "! kill -0 $1 2>/dev/null" || fail "$2 did not end the program"
    wait "$1" || fail "$2 ended the program with exit code $?"
}
click() { xdotool mousemove "$1" "$2" click 1; }
# settle PROGRAM.exe: waits until the program shows exactly one window, so that a click cannot land on
# a page that is being taken down; the X windows carry the program's file name in lower case as class.
settle() { within 10 one_window "$1"; }
one_window() { [ "$(xdotool search --onlyvisible --classname "^$(basename "${1,,}")\$" | wc -l)" -eq 1 ]; }
# press PROGRAM.exe KEY...: the keys go to the program's page. Without a window manager nobody gives a
# new page the keyboard focus (a lecturer's click would), so it is focused first.
press() {
    focus "$1"
    xdotool key "${@:2}"
}
focus() {
    settle "$1"
    xdotool search --onlyvisible --classname "^$(basename "${1,,}")\$" windowfocus
}
# key KEY...: the keys to the page of $program, and a moment for it to act on them.
key() { press "$program" "$@" && sleep 0.3; }
# launch RUNNER...: $program started by RUNNER (wine, or a script that runs it), its process id in pid.
launch() { "$@" "$program" & pid=$! && e2e_pids+=("$pid"); }
# send COMMAND...: the display helper does COMMAND to the page.
send() { "$runner" "$helper" "$@" || fail "the helper could not $*"; }
# e2e_prefix: the Wine prefix WINEPREFIX made, with $program's windows unmanaged (no window manager runs).
e2e_prefix() {
    "$e2e_root/scripts/wine-prefix.sh" "$WINEPREFIX" || fail "no Wine prefix at $WINEPREFIX"
    "$e2e_root/tests/unmanaged_windows.sh" wine "$(basename "$program")" || fail "no unmanaged windows in $WINEPREFIX"
}
