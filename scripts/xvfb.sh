#!/usr/bin/env bash
# Sourced: starts a private Xvfb at 1920 x 1080 (or $ZONARA_SCREEN) and exports DISPLAY for it.
# The server is stopped when the sourcing shell exits. The server picks a free display number itself and
# says which (-displayfd): tests that start at the same moment cannot pick the same one.
zonara_screen=${ZONARA_SCREEN:-1920x1080x24}
zonara_display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$zonara_screen" -nolisten tcp 3>"$zonara_display_file" >/dev/null 2>&1 &
zonara_xvfb_pid=$!
for _ in $(seq 100); do [ -s "$zonara_display_file" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$zonara_display_file")"
rm -f "$zonara_display_file"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
trap 'kill $zonara_xvfb_pid 2>/dev/null' EXIT
