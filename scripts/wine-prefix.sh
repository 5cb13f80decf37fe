#!/usr/bin/env bash
# Makes a Wine prefix ready for the programs (once), and keeps one wineserver alive while it is used.
#   scripts/wine-prefix.sh [--no-server] PREFIX [READY_PREFIX]
# A prefix is booted, or, where READY_PREFIX names one this script made ready, copied from it (a second
# instead of several). --no-server only makes it ready (for a prefix made ahead of its use).
# "Times New Roman" is not part of Wine. Its stand-in is "Lecture Serif" (scripts/make_lecture_font.py):
# Liberation Serif, which has the same advance widths, with the average character width that Times New
# Roman states, so that fonts made with an explicit width get their Windows widths.
set -eu
server=1
if [ "$1" = --no-server ]; then server=0 && shift; fi
# Wine takes only an absolute prefix.
prefix=$(realpath -m "$1") ready=${2:+$(realpath -m "$2")}
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all}
mkdir -p "$(dirname "$prefix")"
scripts=$(cd "$(dirname "$0")" && pwd)
marker=.zonara-ready-3
(
    flock 9
    if [ ! -f "$prefix/$marker" ] && [ -n "$ready" ] && [ -f "$ready/$marker" ]; then
        # A prefix holds no path of its own (its drives are relative links), so a copy is a prefix.
        rm -rf "$prefix"
        cp -a "$ready" "$prefix"
    fi
    if [ ! -f "$prefix/$marker" ]; then
        # No Mono or Gecko installer dialogs: the programs need neither.
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -u >/dev/null 2>&1 || true
        # Debian's Python, which has fontTools (another python3 may come first on the PATH).
        /usr/bin/python3 "$scripts/make_lecture_font.py" "$prefix/drive_c/windows/Fonts" >/dev/null
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
            /d 'Lecture Serif' /f >/dev/null 2>&1
        # The classic look of buttons and scroll bars, as Windows draws them for a program that does not
        # ask for the visual styles of common controls 6. Wine would theme them, and its themed scroll
        # bar takes some 4 ms to redraw its thumb, which every scroll step of the pattern screen waits for.
        wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive \
            /t REG_SZ /d 0 /f >/dev/null 2>&1
        # A server started before the font was there would not know it; nor may one run while the
        # prefix is copied.
        wineserver -k 2>/dev/null || true
        wineserver -w
        touch "$prefix/$marker"
    fi
) 9>"$prefix.lock"
[ $server = 1 ] || exit 0
# A persistent server saves the start-up of a new one for every program (about a second each). Wine's
# own background processes (services, explorer) are started here with their output detached: started by
# a test program, they would hold its output pipe open and keep ctest waiting until they exit.
wineserver -p60 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
