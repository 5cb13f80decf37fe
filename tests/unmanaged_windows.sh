#!/usr/bin/env bash
# tests/unmanaged_windows.sh WINE_RUNNER PROGRAM.exe...: marks the programs' windows unmanaged in the test
# prefix, so that Wine does not wait up to 2 s for a window manager (the private Xvfb has none) to withdraw
# each full-screen window it destroys. Per program (Wine's AppDefaults), in the tests' prefix only.
set -eu
for program in "${@:2}"; do
    "$1" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" /v Managed /d N /f >/dev/null
done
