#!/usr/bin/env bash
# Each program is one self-contained file: it imports only Windows system DLLs (no mingw runtime DLL
# has to travel with it), asks to run at the invoking user's level, and carries icon 305, the four
# bitmaps at their delivered sizes (24 bits per pixel) and the class name strings.
#   tests/e2e/program_files_check.sh PROGRAM.exe...
set -u
status=0
fail() {
    echo "FAIL: $1: $2" >&2
    status=1
}
system_dlls=" ADVAPI32.dll COMCTL32.dll GDI32.dll KERNEL32.dll msvcrt.dll USER32.dll "
for exe in "$@"; do
    name=$(basename "$exe")
    headers=$(x86_64-w64-mingw32-objdump -p "$exe") || { fail "$name" "not a readable program"; continue; }
    for dll in $(echo "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
        case $system_dlls in *" $dll "*) ;; *) fail "$name" "imports $dll" ;; esac
    done
    grep -aq 'requestedExecutionLevel level="asInvoker" uiAccess="false"' "$exe" || fail "$name" "no asInvoker manifest"
    resources=$(echo "$headers" | sed -n '/The .rsrc Resource Directory section/,$p')
    # Resource ids: bitmaps 301-304 (0x12d-0x130), icon group 305 (0x131), string block 7 (ids 96-111),
    # manifest 1 of type 24 (0x18).
    for id in 0x00012d 0x00012e 0x00012f 0x000130 0x000131 0x000006 0x000007 0x000018; do
        echo "$resources" | grep -q "Entry: ID: $id," || fail "$name" "no resource entry $id"
    done
    # A 24-bit bitmap resource is a 40-byte header and rows padded to 4 bytes: 500 x 500 -> 0x0b71d8,
    # 300 x 348 -> 0x04c798, 287 x 400 -> 0x054628.
    for size in 0x0b71d8 0x04c798 0x054628; do
        echo "$resources" | grep -q "Size: $size," || fail "$name" "no bitmap of resource size $size"
    done
    [ $status -eq 0 ] && echo "$name: system DLLs only, asInvoker, icon, bitmaps and strings present"
done
exit $status
