#!/usr/bin/env bash
# The release's README.txt as Notepad on Windows Vista and later reads it: UTF-8 with its byte order mark,
# Windows line ends, and both halves, the English and the Russian, each naming every key of the help.
set -u
cd "$(dirname "$0")/.."
readme=$(mktemp)
trap 'rm -f "$readme"' EXIT
scripts/release_readme.sh resources/release/README.txt "$readme"
status=0
fail() { echo "FAIL: $*" >&2 && status=1; }
[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "no UTF-8 byte order mark"
iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null 2>&1 || fail "not UTF-8 throughout"
[ "$(grep -c $'\r$' "$readme")" -eq "$(wc -l <"$readme")" ] || fail "a line without a Windows line end"
english=$(sed -n '1,/^Зоны Френеля/p' "$readme") russian=$(sed -n '/^Зоны Френеля/,$p' "$readme")
# Every key of the help, as each language's text set names it, in that half's table four spaces in (Alt+F4,
# which ends the program, anywhere in the half).
help_keys() { sed -n 's/.*{T("\([^"]*\)"), T(.*/\1/p' "resources/texts_$1.cpp"; }
check_keys() {
    local keys
    mapfile -t keys < <(help_keys "$1")
    [ "${#keys[@]}" -ge 15 ] || fail "the $1 help rows were not found (${#keys[@]})"
    for key in "${keys[@]}"; do
        if [ "$key" = Alt+F4 ]; then grep -qF "$key" <<<"$2" || fail "the $1 half lacks $key"
        else grep -qF "    $key " <<<"$2" || fail "the $1 half lacks the key $key"; fi
    done
}
check_keys en "$english"
check_keys ru "$russian"
[ $status -eq 0 ] && echo "README.txt: UTF-8 with its mark, Windows line ends, every key in both languages"
exit $status
