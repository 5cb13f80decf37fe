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
# The keys as each half's table writes them, four spaces in.
for key in "Space, Enter, Page Down" "R, Page Up" "Esc, Backspace" "Left, Right" "1, 2, 3" "A " "V " "O " "F1 " \
    "Ctrl+C" "Ctrl+S" "P " "M "; do
    grep -qF "    $key" <<<"$english" || fail "the English half lacks the key $key"
done
for key in "Пробел, Enter, Page Down" "R, Page Up" "Esc, Backspace" "Влево, Вправо" "1, 2, 3" "A " "V " "O " \
    "F1 " "Ctrl+C" "Ctrl+S" "P " "M "; do
    grep -qF "    $key" <<<"$russian" || fail "the Russian half lacks the key $key"
done
grep -qF "Alt+F4" <<<"$english" && grep -qF "Alt+F4" <<<"$russian" || fail "Alt+F4 is not in both halves"
[ $status -eq 0 ] && echo "README.txt: UTF-8 with its mark, Windows line ends, every key in both languages"
exit $status
