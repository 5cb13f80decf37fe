#!/usr/bin/env bash
# One program on a desktop scaled to 150 % (144 dots per inch, in a Wine prefix of its own): it declares
# itself DPI-aware and lays its pages out in the display's real pixels, the 1920 x 1080 worked layout.
#   tests/e2e/high_dpi_e2e.sh PROGRAM.exe PREFIX
source "$(dirname "$0")/e2e_lib.sh"
program=$1
export WINEPREFIX=$2 WINEDEBUG=-all
e2e_display

grep -aq '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>' "$program" ||
    fail "the program's manifest does not declare it DPI-aware"
"$e2e_root/scripts/wine-prefix.sh" "$WINEPREFIX" || fail "no Wine prefix"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
# Windows of the program are unmanaged here: no window manager runs, and Wine would wait for one.
wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$(basename "$program")\\X11 Driver" /v Managed /d N /f \
    >/dev/null 2>&1
wineserver -k 2>/dev/null
wineserver -w

# The start page's left emblem fills (147, 51)-(429, 333); the axial screen's zone picture, opened with
# the key 2, stands at (111, 484) with its dark grey corner.
start_page_shown() {
    [ "$(pixel 5 5)" = "$background" ] && [ "$(pixel 288 192)" != "$background" ] &&
        [ "$(pixel 140 192)" = "$background" ] && [ "$(pixel 436 192)" = "$background" ]
}
axial_shown() { [ "$(pixel 115 488)" = "64,64,64" ] && [ "$(pixel 105 488)" = "$background" ]; }

wine "$program" &
pid=$!
e2e_pids+=("$pid")
wait_for 40 start_page_shown || fail "at 144 dpi the start page is not laid out in real pixels"
press "$program" 2
wait_for 20 axial_shown || fail "at 144 dpi the axial screen is not laid out in real pixels"
press "$program" alt+F4
wait_exit $pid 15
code=$?
wineserver -k 2>/dev/null
[ $code -eq 0 ] || fail "the program ended with code $code"
echo "144 dpi: DPI-aware manifest, start page and axial screen in real pixels"
