#!/usr/bin/env bash
# Installs Ravoskel's desktop entry for the current user, written for an unpacked program
# folder (default: the folder this script lies in, as it ships in the archive).
#   install-desktop-entry.sh [program folder]
# The entry's Path= starts Ravoskel in its own folder, as a Windows shortcut does.
set -euo pipefail
folder=$(realpath -- "${1:-$(dirname -- "$0")}")
# The shipped entry names the main program, whose file name carries its version.
title=$(sed -n 's/^Exec=//p' "$folder/Ravoskel.desktop" 2>/dev/null | head -n 1)
if [ -z "$title" ] || [ ! -x "$folder/$title" ]; then
  echo "usage: $0 [unpacked Ravoskel folder]: $folder holds no Ravoskel.desktop and the program it names" >&2
  exit 2
fi
# GLib's desktops look for the program before they undo Exec's %% for %, so they would not
# find it; a line end cannot be written into an entry at all.
if [[ $folder == *[%[:cntrl:]]* ]]; then
  echo "$0: desktops cannot start a program from a folder with % or control characters in its path" >&2
  exit 2
fi

# Every value is a string, whose backslashes are escaped.
string_value() {
  printf '%s' "${1//\\/\\\\}"
}

# Exec quotes its argument, escaping ", `, $ and \ inside the quotes, before the whole value is
# escaped as a string.
exec_argument() {
  local argument=${1//\\/\\\\}
  argument=${argument//\"/\\\"}
  argument=${argument//\`/\\\`}
  argument=${argument//\$/\\\$}
  string_value "\"$argument\""
}

program="$folder/$title"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
entry="$scratch/Ravoskel.desktop"
while IFS= read -r line; do
  case $line in
  Exec=*)
    printf 'TryExec=%s\nExec=%s\nPath=%s\n' "$(string_value "$program")" \
      "$(exec_argument "$program")" "$(string_value "$folder")"
    ;;
  Icon=*) printf 'Icon=%s\n' "$(string_value "$folder/ravoskel.png")" ;;
  *) printf '%s\n' "$line" ;;
  esac
done <"$folder/Ravoskel.desktop" >"$entry"
desktop-file-validate "$entry"

applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
mkdir -p "$applications"
mv "$entry" "$applications/Ravoskel.desktop"
echo "installed $applications/Ravoskel.desktop"
