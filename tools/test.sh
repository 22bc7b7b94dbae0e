#!/usr/bin/env bash
# Installs what is needed, builds, and runs the whole test suite: the Linux suites, then both
# programs built for Windows and driven under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/check-platform-files.sh"
"$root/tools/build.sh"
(cd "$root/build" && ctest --output-on-failure --timeout 600 -LE windows)

"$root/tools/build-windows.sh"
cmake -S "$root" -B "$root/build" -DRAVOSKEL_WINDOWS_PROGRAM_DIR="$root/build-windows/program" \
  >/dev/null
cmake --build "$root/build" --target wine_test
(cd "$root/build" && ctest --output-on-failure --timeout 600 -L windows)
