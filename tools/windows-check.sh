#!/usr/bin/env bash
# Checks the Windows side of the code without Qt for Windows: every source of both programs is
# compiled for syntax by MinGW against Debian's Qt headers, with the include folders and Qt
# definitions of the real build, and both programs' resource scripts are compiled by windres.
# Nothing is linked or run. Needs the packages of tools/packages.txt; takes the build folder
# (default build/), configured here if it has no compile_commands.json yet.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
compiler=x86_64-w64-mingw32-g++-posix
windres=x86_64-w64-mingw32-windres

[ -f "$build/compile_commands.json" ] || cmake -S "$root" -B "$build" -G Ninja >/dev/null

# What Qt's CMake package defines for its users on Windows with MinGW. The compiler itself
# defines _WIN32, which is how Qt's headers tell they are on Windows.
windows_definitions=(-DUNICODE -D_UNICODE -DWIN32 -DWIN64 -D_WIN64
  -D_ENABLE_EXTENDED_ALIGNED_STORAGE -DMINGW_HAS_SECURE_API=1)

# "source<TAB>command" for every source of the two programs, from the build's own compile
# commands, so that the check sees the same include folders and QT_* definitions.
program_sources() {
  awk -v root="$root/" '
    /^ *"command": / { command = $0; sub(/^ *"command": "/, "", command); sub(/",?$/, "", command) }
    /^ *"file": / {
      file = $0; sub(/^ *"file": "/, "", file); sub(/",?$/, "", file)
      if (index(file, root) == 1 &&
          substr(file, length(root) + 1) ~ /^(common|query|monitor|popup|app)\/[^\/]*\.cpp$/)
        print file "\t" command
    }' "$build/compile_commands.json"
}

# The build's command as a MinGW syntax check: the Linux compiler, its output, its code
# generation flags and its Linux mkspec give way to MinGW's.
check_source() {
  local file=$1 word skip=0 flags=() words=()
  read -r -a words <<<"$2"
  for word in "${words[@]:1}"; do
    if ((skip)); then
      skip=0
      continue
    fi
    case $word in
    -o) skip=1 ;;
    -c | -fPIC | -g | -O? | "$file") ;;
    */mkspecs/linux-g++) flags+=("${word%/linux-g++}/win32-g++") ;;
    *) flags+=("$word") ;;
    esac
  done
  "$compiler" "${flags[@]}" "${windows_definitions[@]}" -fsyntax-only "$file"
}

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

count=0
while IFS=$'\t' read -r file command; do
  [ -n "$file" ] || continue
  count=$((count + 1))
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  log="$logs/$count"
  { check_source "$file" "$command" || echo "windows-check: ${file#"$root/"} fails"; } >"$log" 2>&1 &
done < <(program_sources)
wait
[ "$count" -gt 0 ] || { echo "windows-check: no program sources in $build/compile_commands.json" >&2; exit 1; }

failures=0
for log in "$logs"/*; do
  if [ -s "$log" ]; then
    cat "$log"
    grep -q '^windows-check: .* fails$' "$log" && failures=$((failures + 1))
  fi
done
echo "windows-check: $((count - failures)) of $count sources compile for Windows"

rc_failures=0
for rc in Ravoskel Pingrel; do
  "$windres" -i "$root/resources/windows/$rc.rc" -o "$logs/$rc.o" ||
    { echo "windows-check: resources/windows/$rc.rc fails"; rc_failures=$((rc_failures + 1)); }
done
echo "windows-check: $((2 - rc_failures)) of 2 resource scripts compile with windres"
[ "$failures" -eq 0 ] && [ "$rc_failures" -eq 0 ]
