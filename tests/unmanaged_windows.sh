#!/usr/bin/env bash
# tests/unmanaged_windows.sh WINE_RUNNER PROGRAM.exe...: marks the programs' windows unmanaged (Wine's
# AppDefaults) in the runner's prefix, so that Wine does not wait up to 2 s for a window manager (a private
# X server has none) to withdraw each full-screen window it destroys.
set -eu
for program in "${@:2}"; do
    "$1" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" /v Managed /d N /f >/dev/null
done
