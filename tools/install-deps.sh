#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Ravoskel need.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
  $(grep -v -E '^\s*(#|$)' "$here/packages.txt")
