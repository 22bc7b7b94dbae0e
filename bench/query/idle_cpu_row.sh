#!/bin/bash
# The whole Ravoskel monitoring at a 10 s interval against the floors of its query window, one
# after another on the same X server, in turns, so that all see the same machine:
#   floor-plain           the two cycling labels over a plain widget: the floor
#   floor-browser         the same over a Qt WebEngine view drawn in software, as Ravoskel
#                         draws its views
#   floor-browser-opengl  the same over a view drawn through OpenGL, Qt's default
# Prints each run's main-process CPU, then the median of each and Ravoskel against the floor.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/query/idle_cpu_row.sh <build dir> [seconds] [rounds]
set -euo pipefail

build=${1:?usage: idle_cpu_row.sh <build dir> [seconds] [rounds]}
seconds=${2:-60}
rounds=${3:-3}
here=$(dirname "$(realpath "$0")")
modes=(program floor-plain floor-browser floor-browser-opengl)
results=$(mktemp)
trap 'rm -f "$results"' EXIT

for ((round = 1; round <= rounds; round++)); do
    for mode in "${modes[@]}"; do
        share=$(bash "$here/../monitor/monitor_cpu.sh" "$build" "$seconds" "$mode" |
            sed -n 's/.*main process: .*(\([0-9.]*\)% of one core).*/\1/p')
        echo "round $round: $mode ${share}% of a core"
        echo "$mode $share" >>"$results"
    done
done

echo "medians over $rounds rounds of $seconds s (main process, % of one core):"
for mode in "${modes[@]}"; do
    median=$(awk -v m="$mode" '$1 == m { print $2 }' "$results" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
    printf "  %-22s %s\n" "$mode" "$median"
    eval "median_${mode//-/_}=$median"
done
awk -v p="$median_program" -v f="$median_floor_plain" \
    'BEGIN { if (f > 0) printf "Ravoskel / floor over a plain widget: %.2f\n", p / f }'
