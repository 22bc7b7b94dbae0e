#!/bin/bash
# The CPU that monitoring costs over a minute at the default 10 s interval, against the
# reference site on loopback: user + system seconds read from /proc/<pid>/stat.
#
#   monitor_cpu.sh <build dir> [seconds] [window]
#       the monitor window alone (bench program monitor_cpu_probe), offscreen
#   xvfb-run -a monitor_cpu.sh <build dir> [seconds] program
#       the whole Ravoskel: the query window opens the monitor, both alert boxes are ticked
#       and "开始检测" pressed with xdotool, as a user would; figures for the main process and
#       for it with its Qt WebEngine helper processes
#   xvfb-run -a monitor_cpu.sh <build dir> [seconds] floor-plain|floor-browser|floor-browser-opengl
#       a floor of the query window's idle cost (bench program idle_floor_window), under the
#       same window manager
set -euo pipefail

build=$(realpath "${1:?usage: monitor_cpu.sh <build dir> [seconds] [window|program]}")
# The main program's file name carries its version.
title=$(basename "$(ls "$build"/program/Ravoskelv* | head -n 1)")
seconds=${2:-60}
mode=${3:-window}
port=${RAVOSKEL_BENCH_PORT:-18964}
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

start_site() {
    "$build/site/ravoskel-site" --port "$port" --publish-every 0 >/dev/null &
    pids+=($!)
    until (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do sleep 0.1; done
}

write_settings() {
    mkdir -p "$work/config" "$work/cache" "$work/run"
    cat >"$work/config/$title.ini" <<INI
[Endpoints]
SearchSite=http://127.0.0.1:$port
VersionPage=http://127.0.0.1:$port/version.html

[Settings]
1.vemo=校花的贴身高手
2.vemo=10000
INI
}

run_window() {
    local probe
    probe=$(find "$build" -name monitor_cpu_probe -type f -perm -u+x | head -n 1)
    cd "$work/run"
    XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache QT_QPA_PLATFORM=offscreen \
        "$probe" >/dev/null 2>&1 &
    measured=$!
    pids+=($measured)
    sleep 2
}

# Clicks a point of a window's client area, in pixels.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.5
}

window_named() {
    local id=""
    until [ -n "$id" ]; do
        sleep 0.5
        id=$(xdotool search --name "$1" | tail -n 1)
    done
    echo "$id"
}

start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
}

run_floor() {
    start_window_manager
    QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu \
        "$build/bench/query/idle_floor_window" "${mode#floor-}" >/dev/null 2>&1 &
    measured=$!
    pids+=($measured)
    # As long as the whole program takes to open its windows and start monitoring.
    sleep 5
}

run_program() {
    cp -r "$build/program/." "$work/run/"
    cd "$work/run"
    start_window_manager
    XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache QT_QPA_PLATFORM=xcb \
        QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu \
        "./$title" >/dev/null 2>&1 &
    measured=$!
    pids+=($measured)
    # Positions in pixels of the windows' twips: "自动检查更新" of the query window, then the
    # two alert boxes and "开始检测" of the monitor.
    click "$(window_named "^$title---")" 428 22
    local monitor
    monitor=$(window_named '^自动检测小说更新')
    click "$monitor" 458 36
    click "$monitor" 458 62
    click "$monitor" 220 30
    sleep 2
}

descendants() {
    local child
    for child in $(pgrep -P "$1"); do
        echo "$child"
        descendants "$child"
    done
}

# "pid ticks" for each given process, ticks being utime + stime (fields 14 and 15 of
# /proc/<pid>/stat); the command name in brackets may hold blanks, so fields count after it.
cpu_ticks() {
    local pid
    for pid in "$@"; do
        sed "s/^.*) /$pid /" "/proc/$pid/stat" 2>/dev/null || true
    done | awk '{ print $1, $13 + $14 }'
}

sample() { cpu_ticks "$measured" $(descendants "$measured"); }

start_site
write_settings
case $mode in
floor-*) run_floor ;;
*) "run_$mode" ;;
esac
sample >"$work/before"
sleep "$seconds"
sample >"$work/after"
[ -s "$work/cache/Ravoskel/Temp/Q731508264.mo" ] && fetched=yes || fetched=no

# A helper that started during the minute counts from zero; one that ended is lost.
awk -v hz="$(getconf CLK_TCK)" -v secs="$seconds" -v main="$measured" -v mode="$mode" \
    -v fetched="$fetched" '
    FNR == NR { before[$1] = $2; next }
    { used = ($2 - before[$1]) / hz; total += used; if ($1 == main) own = used }
    END {
        if (mode ~ /^floor-/)
            printf "%s, recolouring its labels for %d s\n", mode, secs
        else
            printf "%s, monitoring for %d s at a 10 s interval (page hand-off file written: %s)\n",
                   mode, secs, fetched
        printf "  main process: %.2f s CPU (%.2f%% of one core); start-up before it: %.2f s\n",
               own, 100 * own / secs, before[main] / hz
        if (total != own)
            printf "  with its helper processes: %.2f s CPU\n", total
    }' "$work/before" "$work/after"
