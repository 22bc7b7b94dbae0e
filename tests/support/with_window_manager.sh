#!/bin/sh
# Runs a test program on the current X display with a small window manager beside it, so that
# close requests, stacking and placement behave as on a desktop.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
# Wait until the window manager has announced itself, or tests race its start.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  tries=$((tries + 1))
  [ $tries -lt 100 ] || break
  sleep 0.1
done
"$@"
