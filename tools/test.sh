#!/usr/bin/env bash
# Installs what is needed, builds, checks that the sources and the resource scripts compile for
# Windows, and runs the whole test suite.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
"$root/tools/windows-check.sh" "$root/build"
cd "$root/build"
ctest --output-on-failure --timeout 600
