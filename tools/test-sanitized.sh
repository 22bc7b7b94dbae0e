#!/usr/bin/env bash
# Builds everything but the benchmarks with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ (with the fuzz targets), and runs the whole
# test suite there; the sanitizers' options and suppressions come with each test.
# tools/install-deps.sh installs what it needs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-sanitize" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRAVOSKEL_SANITIZE=ON -DRAVOSKEL_BUILD_BENCH=OFF
cmake --build "$root/build-sanitize" -j"$(nproc)"
cd "$root/build-sanitize"
ctest --output-on-failure --timeout 900
