#!/usr/bin/env bash
# What differs between platforms lives in files named for their platform, chosen in CMake;
# every other product file is the same on all of them. Fails, naming the files, when a file
# without a platform in its name asks which platform it is built for.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
platform_named='_(windows|posix|xcb|qt|webengine|activex|mci|multimedia)\.(cpp|h)$'
cd "$root"
offenders=$(grep -rlE 'Q_OS_|_WIN32' common query monitor popup app | grep -vE "$platform_named" || true)
if [ -n "$offenders" ]; then
  echo "Platform branches outside platform-named files:" >&2
  echo "$offenders" >&2
  exit 1
fi
