#!/bin/bash
# Start-up of Orvela.exe under Wine on two screen sizes side by side: the
# start-up benchmark (wine_startup.sh) at each size in turn, ROUNDS times
# alternated, and the medians of all runs per size and their difference.
#
#   wine_startup_sizes.sh Orvela.exe [ROUNDS] [RUNS] [SIZE_A] [SIZE_B] [WORK_DIR] [FLOOR.exe]
#
# Defaults: 3 rounds of 3 runs, 1024x768 against 3840x2160. FLOOR.exe (the
# bench_floor_window program: one full-screen frame of one colour) is timed
# the same way in each round, so the figures show what the larger screen
# costs any program under this window system.
set -u
exe=$(readlink -f "$1")
rounds=${2:-3}
runs=${3:-3}
a=${4:-1024x768}
b=${5:-3840x2160}
work=${6:-$(pwd)/wine-startup-sizes}
floor=${7:+$(readlink -f "$7")}
here=$(dirname "$(readlink -f "$0")")
mkdir -p "$work"

declare -A all
programs=("$exe")
[ -n "$floor" ] && programs+=("$floor")
for round in $(seq "$rounds"); do
    for program in "${programs[@]}"; do
        for size in "$a" "$b"; do
            name=$(basename "$program" .exe)
            out=$(bash "$here/wine_startup.sh" "$program" "$runs" "$size" "$work/$name-$size") || {
                echo "$out" >&2
                exit 1
            }
            times=$(echo "$out" | sed -n 's/^  runs (ms): //p')
            echo "round $round, $name, $size: $times"
            all[$name $size]="${all[$name $size]:-} $times"
        done
    done
done

median() { tr ' ' '\n' | grep . | sort -n | awk '{ v[NR] = $1 }
    END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
echo "Process start to first painted frame under Wine, median of $((rounds * runs)) runs each:"
for program in "${programs[@]}"; do
    name=$(basename "$program" .exe)
    ma=$(echo "${all[$name $a]}" | median)
    mb=$(echo "${all[$name $b]}" | median)
    echo "  $name: $a $ma ms, $b $mb ms, difference $((mb - ma)) ms"
done
