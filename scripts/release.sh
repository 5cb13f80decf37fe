#!/usr/bin/env bash
# Builds both programs and packs them for a USB stick: dist/zonara-<version>.zip holds ZonaraEng.exe,
# newZonara.exe and README.txt (how to start them). Nothing in it needs installing.
#   bash scripts/release.sh
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target ZonaraEng newZonara

version=$(sed -n 's/^FILEVERSION *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1.\2.\3/p' resources/zonara.rc)
# Each program must stand alone: it may import system DLLs only.
for exe in build/windows/ZonaraEng.exe build/windows/newZonara.exe; do
    foreign=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' |
        grep -viE '^(kernel32|user32|gdi32|msvcrt|advapi32|shell32|ole32|comctl32|ws2_32)\.dll$' || true)
    if [ -n "$foreign" ]; then
        echo "$exe needs $foreign beside it" >&2
        exit 1
    fi
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder=$stage/zonara-$version
mkdir -p "$folder" dist
cp build/windows/ZonaraEng.exe build/windows/newZonara.exe "$folder/"
# Windows line ends, and UTF-8 marked as such at its start, so that Notepad (from Vista on) shows the text as
# written, the Russian half too.
scripts/release_readme.sh resources/release/README.txt "$folder/README.txt"
archive=$PWD/dist/zonara-$version.zip
rm -f "$archive"
(cd "$stage" && zip -q -9 -r "$archive" "zonara-$version")
echo "$archive ($(du -h "$archive" | cut -f1))"
unzip -l "$archive"
