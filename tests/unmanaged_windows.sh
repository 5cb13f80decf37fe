#!/usr/bin/env bash
# tests/unmanaged_windows.sh WINE_RUNNER PROGRAM.exe...: marks the programs' windows unmanaged in the test
# prefix. Wine waits up to 2 s for a window manager to withdraw each full-screen window it destroys, and the
# private Xvfb has none; unmanaged windows go at once. The setting is per program (Wine's AppDefaults) and
# belongs to the tests' prefix only: the run command's prefixes leave the programs as they are.
set -eu
runner=$1
shift
for program in "$@"; do
    "$runner" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" /v Managed /d N /f >/dev/null
done
