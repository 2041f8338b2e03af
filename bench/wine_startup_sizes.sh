#!/bin/bash
# Start-up of Orvela.exe under Wine on two screen sizes side by side: the
# start-up benchmark (wine_startup.sh) at each size in turn, ROUNDS times
# alternated, and the medians of all runs per size and their difference.
#
#   wine_startup_sizes.sh Orvela.exe [ROUNDS] [RUNS] [SIZE_A] [SIZE_B] [WORK_DIR]
#
# Defaults: 3 rounds of 3 runs, 1024x768 against 3840x2160.
set -u
exe=$(readlink -f "$1")
rounds=${2:-3}
runs=${3:-3}
a=${4:-1024x768}
b=${5:-3840x2160}
work=${6:-$(pwd)/wine-startup-sizes}
here=$(dirname "$(readlink -f "$0")")
mkdir -p "$work"

declare -A all
for round in $(seq "$rounds"); do
    for size in "$a" "$b"; do
        out=$(bash "$here/wine_startup.sh" "$exe" "$runs" "$size" "$work/$size") || {
            echo "$out" >&2
            exit 1
        }
        times=$(echo "$out" | sed -n 's/^  runs (ms): //p')
        echo "round $round, $size: $times"
        all[$size]="${all[$size]:-} $times"
    done
done

median() { tr ' ' '\n' | grep . | sort -n | awk '{ v[NR] = $1 }
    END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
ma=$(echo "${all[$a]}" | median)
mb=$(echo "${all[$b]}" | median)
echo "Orvela.exe under Wine, process start to first painted frame, median of $((rounds * runs)) runs each:"
echo "  $a: $ma ms"
echo "  $b: $mb ms"
echo "  difference: $((mb - ma)) ms"
