#!/bin/sh
# Runs the popup's start-up benchmark on a fresh virtual X server without a window manager,
# so a window counts as shown the moment the server maps it.
#   bench/popup/run_popup_bench.sh <build-dir> [benchmark options...]
build=${1:?usage: run_popup_bench.sh <build-dir> [benchmark options...]}
shift
exec xvfb-run -a -s "-screen 0 1280x800x24" "$build/bench/popup/popup_startup_bench" "$@"
