#!/usr/bin/env bash
# The release's README.txt as Notepad reads it on every Windows from Vista on: UTF-8 with its byte order
# mark (without it Notepad takes the Russian half for the system's code page) and Windows line ends.
#   scripts/release_readme.sh SOURCE TARGET
set -eu
{
    printf '\xEF\xBB\xBF'
    sed 's/$/\r/' "$1"
} >"$2"
