#!/usr/bin/env bash
# Makes a Wine prefix ready for the programs (once), and keeps one wineserver alive while it is used.
#   scripts/wine-prefix.sh PREFIX
# "Times New Roman" is not part of Wine: it is mapped to Liberation Serif, which has the same metrics,
# so texts get their Windows widths.
set -eu
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all}
mkdir -p "$(dirname "$prefix")"
(
    flock 9
    if [ ! -f "$prefix/.zonara-ready" ]; then
        # No Mono or Gecko installer dialogs: the programs need neither.
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -u >/dev/null 2>&1 || true
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
            /d 'Liberation Serif' /f >/dev/null 2>&1
        wineserver -w
        touch "$prefix/.zonara-ready"
    fi
) 9>"$prefix.lock"
# A persistent server saves the start-up of a new one for every program (about a second each). Wine's
# own background processes (services, explorer) are started here with their output detached: started by
# a test program, they would hold its output pipe open and keep ctest waiting until they exit.
wineserver -p60 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
