#!/usr/bin/env bash
# Sourced: starts a private Xvfb at 1920 x 1080 (or $ZONARA_SCREEN) and exports DISPLAY for it.
# The server is stopped when the sourcing shell exits.
zonara_screen=${ZONARA_SCREEN:-1920x1080x24}
for n in $(seq 90 130); do
    if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then
        Xvfb ":$n" -screen 0 "$zonara_screen" -nolisten tcp >/dev/null 2>&1 &
        zonara_xvfb_pid=$!
        export DISPLAY=":$n"
        break
    fi
done
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
trap 'kill $zonara_xvfb_pid 2>/dev/null' EXIT
