#!/usr/bin/env bash
# Installs what is needed, builds, starts the bundled reference site and starts Ravoskel
# from its program folder (under Xvfb when there is no display).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
"$root/build/site/ravoskel-site" --port 8964 --publish-every 60 &
site=$!
trap 'kill $site 2>/dev/null' EXIT
cd "$root/build/program"
# The main program's file name carries its version.
programs=(./Ravoskelv*)
# Qt WebEngine refuses to start its sandbox as root.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  "${programs[0]}"
else
  xvfb-run -a -s "-screen 0 1280x1024x24" "${programs[0]}"
fi
