#!/bin/sh
# Runs a test program on the current X display with a small window manager beside it, so that
# close requests, stacking and placement behave as on a desktop.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
"$@"
