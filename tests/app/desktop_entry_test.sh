#!/usr/bin/env bash
# Ravoskel as a Linux user gets it: the archive unpacked into a folder whose path has a blank,
# its desktop entry installed for that folder, the program started through the entry from
# another working directory, against the reference site. It must show its query window, not
# the error box, and keep its title list in its own folder.
#   desktop_entry_test.sh <build folder>
# Runs on an X display with a window manager.
set -euo pipefail
build=$(realpath "$1")
scratch=$(mktemp -d)
site=""
ravoskel=""
cleanup() {
  [ -z "$ravoskel" ] || kill "$ravoskel" 2>/dev/null || true
  [ -z "$site" ] || kill "$site" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# Waits up to two minutes for a command to succeed.
await() {
  local deadline=$((SECONDS + 120))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}
window_named() {
  xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}
query_window_or_error_box() {
  window_named "^$title---" || window_named "^$title\$"
}
# Gone, or a zombie: the launcher that started it has exited, and nothing may reap it here.
ravoskel_ended() {
  [ ! -e "/proc/$ravoskel" ] || [ "$(sed 's/.*) //' "/proc/$ravoskel/stat" | cut -d' ' -f1)" = Z ]
}

export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
mkdir -p "$XDG_CONFIG_HOME" "$scratch/Program Files"

# The archive, as a user downloads it.
cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" ||
  { cat "$scratch/cpack.log"; fail "cpack made no archive"; }
tar -xzf "$scratch"/package/Ravoskel-*.tar.gz -C "$scratch/Program Files"
folder=$(realpath "$scratch/Program Files"/Ravoskel-*)
# The main program's title, its file's name, as the shipped entry names it.
title=$(sed -n 's/^Exec=//p' "$folder/Ravoskel.desktop")
for shipped in "$title" Pingrel version1.ini version.ini vemomp3.mp3 ravoskel.png \
  Ravoskel.desktop install-desktop-entry.sh; do
  [ -f "$folder/$shipped" ] || fail "the archive lacks $shipped"
done

# The reference site on a free loopback port, every outside address pointing at it.
"$build/site/ravoskel-site" --port 0 --publish-every 0 >"$scratch/site.log" 2>&1 &
site=$!
await grep -q 'listening on ' "$scratch/site.log" || fail "the reference site did not start"
address=$(sed -n 's/.*listening on //p' "$scratch/site.log")
{
  echo "[Endpoints]"
  echo "SearchSite=$address"
  for page in VersionPage=version DownloadPage=download BlogPage=blog MicroblogPage=microblog \
    PersonalPage=personal SupportPage=support ShoppingOffer=offers/shopping \
    AntivirusOffer=offers/antivirus TvOffer=offers/tv; do
    echo "${page%%=*}=$address/${page#*=}.html"
  done
} >"$XDG_CONFIG_HOME/$title.ini"

"$folder/install-desktop-entry.sh"
[ -f "$XDG_DATA_HOME/applications/Ravoskel.desktop" ] || fail "no entry in $XDG_DATA_HOME"

# As a desktop menu does: by the entry's name, from a working directory that is not the folder.
(cd / && gtk-launch Ravoskel) || fail "gtk-launch could not start the entry"
await query_window_or_error_box || fail "neither the query window nor an error box appeared"
box=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1 || true)
if [ -n "$box" ]; then
  ravoskel=$(xdotool getwindowpid "$box" 2>/dev/null || true)
  fail "Ravoskel showed its error box instead of its query window"
fi
query=$(xdotool search --onlyvisible --name "^$title---" | head -n 1)
ravoskel=$(xdotool getwindowpid "$query")
[ "$(readlink "/proc/$ravoskel/cwd")" = "$folder" ] || fail "Ravoskel did not start in its folder"
[ -f "$folder/QQ731508264.vemo" ] || fail "the title list is not in the program folder"
[ ! -e /QQ731508264.vemo ] || fail "the title list went to the working directory of the launcher"

# Closing every window ends the program.
for window in $(xdotool search --onlyvisible --pid "$ravoskel" --name '.'); do
  wmctrl -i -c "$window"
done
await ravoskel_ended || fail "Ravoskel did not end when its windows were closed"
ravoskel=""
echo "Ravoskel started through its desktop entry from its unpacked folder"
