#!/bin/bash
# Idle cost of Orvela.exe under Wine against the floor: the CPU time each
# program's own process uses over SECONDS, as a share of one core, on one
# Xvfb display of 1024x768 with X resources loaded (as on a real desktop;
# without them Wine's font path costs half as much again). Measured, in turn
# and ROUNDS times over, so that every figure sees the same load: the floor
# (bench_floor_clock.exe: one 200x50 label redrawn every 100 ms) and
# Orvela.exe in each display variant with 0, 20 and 100 documents on the
# desktop. Prints the median of each and its ratio to the floor's. Given
# OTHER.exe (an earlier build), it is measured the same way beside.
#
#   wine_idle.sh Orvela.exe FLOOR.exe [SECONDS] [ROUNDS] [WORK_DIR] [OTHER.exe]
set -u
exe=$(readlink -f "$1")
floor=$(readlink -f "$2")
seconds=${3:-60}
rounds=${4:-3}
work=${5:-$(pwd)/wine-idle}
other=${6:+$(readlink -f "$6")}
mkdir -p "$work"
ORVELA_BUILD=$work
cd "$(dirname "$0")/.." || exit 1
# shellcheck source=tools/wine_env.sh
. tools/wine_env.sh
export XDG_DATA_HOME=$work/xdg-data
mkdir -p "$XDG_DATA_HOME"
unset DISPLAY
orvela_start_display 1024x768 || exit 1
trap orvela_stop_display EXIT
command -v xrdb >/dev/null && printf '*customization: -color\n' | xrdb -load -
wineserver -p 2>/dev/null
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
hz=$(getconf CLK_TCK)
desktop=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/Desktop

# cpu_ticks PID: user + system clock ticks of the process so far.
cpu_ticks() {
    local fields
    fields=$(sed 's/^.*) //' "/proc/${1:-0}/stat" 2>/dev/null) || { echo 0; return; }
    set -- $fields
    echo $((${12} + ${13}))
}

# measure PROGRAM.exe NAME VARIANT ITEMS: prints the process's share of one
# core in hundredths of a percent.
measure() {
    local program=$1 name=$2 variant=$3 items=$4 folder=$work/run pid launcher t0 t1
    rm -rf "$folder" "$desktop"
    mkdir -p "$folder" "$desktop"
    for i in $(seq "$items"); do echo text >"$desktop/Document $i.txt"; done
    cp "$program" "$folder/$name"
    if [ -n "$variant" ]; then
        {
            printf '\r\n%.0s' $(seq 11)
            printf '"%s"\r\n5\r\n"English"\r\n1\r\n1\r\n0\r\n1\r\n15\r\n0\r\n\r\n' "$variant"
        } >"$folder/ovdata.dat"
    fi
    (cd "$folder" && exec wine "./$name") >/dev/null 2>&1 </dev/null &
    launcher=$!
    timeout 60 xdotool search --sync --onlyvisible --name Orvela >/dev/null 2>&1
    sleep 3 # past the first frames
    pid=$(pgrep -n -x "$name")
    t0=$(cpu_ticks "$pid")
    sleep "$seconds"
    t1=$(cpu_ticks "$pid")
    kill "$pid" "$launcher" 2>/dev/null
    wait "$launcher" 2>/dev/null
    for _ in $(seq 100); do
        pgrep -x "$name" >/dev/null || break
        sleep 0.1
    done
    echo $((10000 * (t1 - t0) / hz / seconds))
}

configs=("floor")
for variant in 1 2 3; do
    for items in 0 20 100; do
        configs+=("Orvela.exe $variant $items")
        [ -n "$other" ] && configs+=("other $variant $items")
    done
done
declare -A all
for round in $(seq "$rounds"); do
    for config in "${configs[@]}"; do
        set -- $config
        case $1 in
        floor) v=$(measure "$floor" floor.exe "" 0) ;;
        other) v=$(measure "$other" Orvela.exe "$2" "$3") ;;
        *) v=$(measure "$exe" Orvela.exe "$2" "$3") ;;
        esac
        all[$config]="${all[$config]:-} $v"
        echo "round $round, $config: $v" >&2
    done
done

median() { tr ' ' '\n' | grep . | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
percent() { awk -v v="$1" 'BEGIN { printf "%.2f %%", v / 100 }'; }
base=$(echo "${all[floor]}" | median)
echo "Idle CPU under Wine, 1024x768, ${seconds} s each, median of $rounds, share of one core:"
echo "  floor (one label redrawn every 100 ms): $(percent "$base")"
for config in "${configs[@]:1}"; do
    set -- $config
    m=$(echo "${all[$config]}" | median)
    label=$1
    [ "$label" = other ] && label="earlier build"
    echo "  $label, variant $2, $3 items: $(percent "$m"), $(awk -v m="$m" -v b="$base" \
        'BEGIN { if (b > 0) printf "%.1f", m / b; else printf "-" }') x the floor"
done
