#!/usr/bin/env bash
# Marks test programs' windows as unmanaged in the test prefix:
#   tests/unmanaged_windows.sh WINE_RUNNER PROGRAM.exe...
# Wine waits up to 2 s for a window manager to withdraw each full-screen window it destroys, and the
# private Xvfb has no window manager, so every page left would cost 2 s. Unmanaged windows are
# destroyed at once. The setting is per program (Wine's AppDefaults) and belongs to the tests' prefix
# only: the run command's prefixes leave the programs as they are.
set -eu
runner=$1
shift
for program in "$@"; do
    "$runner" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" /v Managed /d N /f >/dev/null
done
