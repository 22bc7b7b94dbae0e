#!/usr/bin/env bash
# Builds both programs for 64-bit Windows with MinGW against the Qt for Windows bundle, and lays
# out the Windows program folder build-windows/program: the two programs, the Qt and MinGW
# DLLs they load, the platform, style and TLS plugins, and the shipped files. Checks that both
# are windowed programs carrying their version information, and packs the folder as
# build-windows/Ravoskel-<version>-win64.zip, what a Windows user downloads. Run again, it
# rebuilds what changed; a changed bundle starts the build afresh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bundle=${RAVOSKEL_QT_WINDOWS:-$root/../shared/qt-windows/qt6-6.4.2-mingw64.tar.xz}
out=$root/build-windows
qt=$out/qt6-6.4.2-mingw64
build=$out/build
program=$out/program
objdump=x86_64-w64-mingw32-objdump

# Files unpacked from a new bundle keep the dates they had in it, often older than what was
# built or copied from the last one: nothing of the old build may stay.
stamp=$qt/.bundle-sha256
bundle_sum=$(sha256sum "$bundle" | cut -d' ' -f1)
if [ "$(cat "$stamp" 2>/dev/null)" != "$bundle_sum" ]; then
  rm -rf "$qt" "$build" "$program"
  mkdir -p "$out"
  tar -xJf "$bundle" -C "$out"
  echo "$bundle_sum" >"$stamp"
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  "$qt/bin/qt-cmake" -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$qt/toolchain-mingw64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DRAVOSKEL_PROGRAM_DIR="$program" >/dev/null
fi
cmake --build "$build" -j"$(nproc)"

# The DLLs a file imports by name; system DLLs are not in the bundle and are left to Windows.
imports() { "$objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'; }

# Qt looks for its plugins in folders beside the program; without the TLS one it knows no https.
mkdir -p "$program/platforms" "$program/styles" "$program/tls"
cp -u "$qt/plugins/platforms/qwindows.dll" "$program/platforms/"
cp -u "$qt/plugins/styles/"*.dll "$program/styles/"
cp -u "$qt/plugins/tls/qschannelbackend.dll" "$program/tls/"
pending=("$program"/*.exe "$program"/platforms/*.dll "$program"/styles/*.dll "$program"/tls/*.dll)
while [ "${#pending[@]}" -gt 0 ]; do
  file=${pending[0]}
  pending=("${pending[@]:1}")
  for dll in $(imports "$file"); do
    dll=${dll%$'\r'}
    if [ -f "$qt/bin/$dll" ] && [ ! "$program/$dll" -nt "$qt/bin/$dll" ]; then
      cp "$qt/bin/$dll" "$program/"
      pending+=("$program/$dll")
    fi
  done
done

# Explorer shows the version block, in Chinese (PRC), 2052; Windows opens no console beside a
# windowed program. Both are read back from the built files.
check_program() {
  local exe=$program/$1 numbers=$2 text=$3 headers resources
  headers=$("$objdump" -p "$exe")
  grep -q $'^Subsystem\t.*(Windows GUI)' <<<"$headers" ||
    { echo "build-windows: $1 is not a windowed program" >&2; return 1; }
  resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc | grep -v '^ *0x')
  grep -q "^ FILEVERSION $numbers\$" <<<"$resources" &&
    grep -q "^ PRODUCTVERSION $numbers\$" <<<"$resources" &&
    grep -q "VALUE \"FileVersion\", \"$text\"" <<<"$resources" &&
    grep -q "VALUE \"ProductVersion\", \"$text\"" <<<"$resources" &&
    grep -q 'BLOCK "080404B0"' <<<"$resources" &&
    grep -q 'VALUE "Translation", 0x804, 1200' <<<"$resources" ||
    { echo "build-windows: $1 lacks its version information $text" >&2; return 1; }
}
# The versions the project gives: <major>.<minor>.<patch>, shown as "1, 3, 0, 6" and 1.03.0006.
project_version() { sed -n "s/^$1 *\([0-9]*\)\.\([0-9]*\)\.\([0-9]*\).*/\1 \2 \3/p" "$root/CMakeLists.txt"; }
check_version() {
  local exe=$1 major minor patch
  read -r major minor patch <<<"$2"
  check_program "$exe" "$major, $minor, 0, $patch" "$(printf '%d.%02d.%04d' "$major" "$minor" "$patch")"
}
main_version=$(project_version 'project(Ravoskel VERSION')
check_version "Ravoskelv${main_version// /.}.exe" "$main_version"
check_version Pingrel.exe "$(project_version 'set(PINGREL_VERSION')"
[ -f "$program/tls/qschannelbackend.dll" ] ||
  { echo "build-windows: tls/qschannelbackend.dll is missing: no https" >&2; exit 1; }
echo "build-windows: $program is ready"

# The zip holds one folder named like itself, so unpacking it anywhere gives a program folder.
package=Ravoskel-${main_version// /.}-win64
staging=$out/zip-staging
rm -rf "$staging"
mkdir -p "$staging"
cp -r "$program" "$staging/$package"
(cd "$staging" && cmake -E tar cf "$package.zip" --format=zip "$package")
mv "$staging/$package.zip" "$out/$package.zip"
rm -rf "$staging"
echo "build-windows: $out/$package.zip is ready"
