# Shared by the end-to-end scripts (sourced): a 1920 x 1080 display, screenshots, pixels and waiting.
set -u
e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_work=$(mktemp -d)
background="205,206,255"

# A display of 1920 x 1080: the caller's if it has that size, else a private Xvfb.
e2e_display() {
    if [ -z "${DISPLAY:-}" ] || ! xdpyinfo 2>/dev/null | grep -q 'dimensions: *1920x1080 '; then
        ZONARA_SCREEN=1920x1080x24 source "$e2e_root/scripts/xvfb.sh"
    fi
}

fail() {
    echo "FAIL: $*" >&2
    declare -F e2e_on_fail >/dev/null && e2e_on_fail
    [ -f "$e2e_work/shot.png" ] && cp "$e2e_work/shot.png" "${TMPDIR:-/tmp}/zonara-e2e-failure.png" &&
        echo "last screenshot: ${TMPDIR:-/tmp}/zonara-e2e-failure.png" >&2
    exit 1
}

shot() { import -window root "$e2e_work/shot.png" 2>/dev/null; }

# pixel X Y: "red,green,blue" of the last screenshot.
pixel() {
    convert "$e2e_work/shot.png" -format "%[fx:round(255*p{$1,$2}.r)],%[fx:round(255*p{$1,$2}.g)],%[fx:round(255*p{$1,$2}.b)]" info:
}

# centre "R,G,B" X Y WIDTH HEIGHT: "x,y", the middle of the bounding box of the pixels of that colour in
# the rectangle of the last screenshot (screen coordinates), or nothing when there are none.
centre() {
    local box
    box=$(convert "$e2e_work/shot.png" -crop "$4x$5+$2+$3" +repage -fill black +opaque "rgb($1)" \
        -fill white -opaque "rgb($1)" -bordercolor black -border 1 -format "%@" info:)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 0
    [ "${BASH_REMATCH[1]}" -gt 0 ] && [ "${BASH_REMATCH[1]}" -lt $(($4 + 2)) ] || return 0
    echo "$(($2 + BASH_REMATCH[3] - 1 + BASH_REMATCH[1] / 2)),$(($3 + BASH_REMATCH[4] - 1 + BASH_REMATCH[2] / 2))"
}

# still SECONDS: the screen shows the very same picture again after that time (nothing moves any more).
still() {
    cp "$e2e_work/shot.png" "$e2e_work/before.png"
    sleep "$1"
    shot
    [ "$(compare -metric AE "$e2e_work/before.png" "$e2e_work/shot.png" null: 2>&1)" = "0" ]
}

# wait_for SECONDS COMMAND...: takes screenshots until COMMAND succeeds on one.
wait_for() {
    local seconds=$1
    shift
    local end=$((SECONDS + seconds))
    while [ $SECONDS -lt $end ]; do
        shot && "$@" && return 0
        sleep 0.3
    done
    return 1
}

# wait_exit PID SECONDS: the exit code of PID, or 124 when it does not end in time.
wait_exit() {
    local pid=$1 end=$((SECONDS + $2))
    while kill -0 "$pid" 2>/dev/null; do
        [ $SECONDS -ge $end ] && { kill "$pid" 2>/dev/null; return 124; }
        sleep 0.2
    done
    wait "$pid"
}

click() { xdotool mousemove "$1" "$2" click 1; }

# settle PROGRAM.exe: waits until the program shows exactly one window. Without a window manager Wine
# waits up to 2 s for the withdrawal of a page it destroys, and a click meanwhile can land on the old
# page; the X windows carry the program's file name in lower case as their class.
settle() {
    local class end=$((SECONDS + 10))
    class=$(basename "$1" | tr '[:upper:]' '[:lower:]')
    while [ $SECONDS -lt $end ]; do
        [ "$(xdotool search --onlyvisible --classname "^$class\$" 2>/dev/null | wc -l)" -eq 1 ] && return 0
        sleep 0.2
    done
    return 1
}

# Programs still running when a script ends (after a failure) are ended, by their process ids.
e2e_pids=()
cleanup() {
    for pid in "${e2e_pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$e2e_work"
}
trap cleanup EXIT

# press PROGRAM.exe KEY...: the keys go to the program's page. Without a window manager nobody gives a
# new page the keyboard focus (a lecturer's click would), so it is focused first.
press() {
    local class
    class=$(basename "$1" | tr '[:upper:]' '[:lower:]')
    settle "$1"
    shift
    xdotool search --onlyvisible --classname "^$class\$" windowfocus 2>/dev/null
    xdotool key "$@"
}
