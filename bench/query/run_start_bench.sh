#!/bin/sh
# Runs the main program's start benchmark on a fresh virtual X server without a window
# manager, so a window counts as shown the moment the server maps it.
#   bench/query/run_start_bench.sh <build-dir> [rounds]
build=${1:?usage: run_start_bench.sh <build-dir> [rounds]}
export QTWEBENGINE_DISABLE_SANDBOX=${QTWEBENGINE_DISABLE_SANDBOX:-1}
# The engine prints its set-up at every start; the figures are what matters here.
export QT_LOGGING_RULES="qt.webenginecontext.info=false"
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/query/start_to_result_bench" \
  "$build/program" "$build/bench/query/web_view_floor" "${2:-7}"
