#!/usr/bin/env bash
# Each program is one self-contained file: it imports only Windows system DLLs (no mingw runtime DLL
# has to travel with it), asks to run at the invoking user's level, declares itself DPI-aware per
# monitor, and carries icon 305, the four bitmaps at their delivered sizes (24 bits per pixel) and the
# class name strings.
#   tests/e2e/program_files_check.sh PROGRAM.exe...
set -u
status=0
fail() { echo "FAIL: $1: $2" >&2 && status=1; }
for exe in "$@"; do
    name=$(basename "$exe")
    headers=$(x86_64-w64-mingw32-objdump -p "$exe") || { fail "$name" "not a readable program"; continue; }
    for dll in $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers"); do
        [[ " ADVAPI32.dll COMCTL32.dll GDI32.dll KERNEL32.dll msvcrt.dll ole32.dll SHELL32.dll USER32.dll " == *" $dll "* ]] ||
            fail "$name" "imports $dll"
    done
    grep -aq 'requestedExecutionLevel level="asInvoker" uiAccess="false"' "$exe" || fail "$name" "no asInvoker manifest"
    grep -aq '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>' "$exe" &&
        grep -aq '>PerMonitorV2, PerMonitor</dpiAwareness>' "$exe" || fail "$name" "not DPI-aware per monitor"
    resources=$(sed -n '/The .rsrc Resource Directory section/,$p' <<<"$headers")
    # Resource ids: bitmaps 301-304 (0x12d-0x130), icon group 305 (0x131), string block 7 (ids 96-111),
    # manifest 1 of type 24 (0x18). A 24-bit bitmap resource is a 40-byte header and rows padded to 4
    # bytes: 500 x 500 -> 0x0b71d8, 300 x 348 -> 0x04c798, 287 x 400 -> 0x054628.
    for entry in "ID: 0x00012d" "ID: 0x00012e" "ID: 0x00012f" "ID: 0x000130" "ID: 0x000131" "ID: 0x000006" \
        "ID: 0x000007" "ID: 0x000018" "Size: 0x0b71d8" "Size: 0x04c798" "Size: 0x054628"; do
        grep -q "$entry," <<<"$resources" || fail "$name" "no resource with $entry"
    done
    [ $status -eq 0 ] && echo "$name: system DLLs only, asInvoker, DPI-aware, icon, bitmaps and strings present"
done
exit $status
