#!/bin/bash
# Idle cost of Orvela.exe under Wine: the CPU time the program's own process
# uses over a stretch of seconds in each display variant, on an Xvfb display
# of 1024x768 with ITEMS files on the desktop, as a share of one core.
# Wine's server and the X server are shown beside it, for scale.
#
#   wine_idle.sh Orvela.exe [SECONDS] [WORK_DIR] [ITEMS]
set -u
exe=$(readlink -f "$1")
seconds=${2:-60}
work=${3:-$(pwd)/wine-idle}
items=${4:-20}
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
wineserver -p 2>/dev/null
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
ticks_per_second=$(getconf CLK_TCK)
# A desktop of its own (Wine links it to the Linux home folder otherwise).
desktop=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/Desktop
rm -rf "$desktop"
mkdir -p "$desktop"
for i in $(seq "$items"); do echo text >"$desktop/Document $i.txt"; done

# cpu_ticks PID...: user + system clock ticks of the processes so far.
cpu_ticks() {
    local total=0 pid fields
    for pid in "$@"; do
        fields=$(sed 's/^.*) //' "/proc/$pid/stat" 2>/dev/null) || continue
        set -- $fields
        total=$((total + ${12} + ${13}))
    done
    echo $total
}

share() { # ticks -> percent of one core over the stretch
    awk -v t="$1" -v hz="$ticks_per_second" -v s="$seconds" 'BEGIN { printf "%.2f %%", 100 * t / hz / s }'
}

for variant in 1 2 3; do
    folder=$work/variant$variant
    rm -rf "$folder"
    mkdir -p "$folder"
    cp "$exe" "$folder/Orvela.exe"
    {
        printf '\r\n%.0s' $(seq 11)
        printf '"%s"\r\n5\r\n"English"\r\n1\r\n1\r\n0\r\n1\r\n15\r\n0\r\n\r\n' "$variant"
    } >"$folder/ovdata.dat"
    (cd "$folder" && exec wine ./Orvela.exe) >/dev/null 2>&1 </dev/null &
    launcher=$!
    timeout 60 xdotool search --sync --onlyvisible --name Orvela >/dev/null 2>&1
    sleep 3 # past the first frames
    program=$(pgrep -n -x Orvela.exe)
    server=$(pgrep -x wineserver | tr '\n' ' ')
    x=$ORVELA_XVFB_PID
    p0=$(cpu_ticks $program) s0=$(cpu_ticks $server) x0=$(cpu_ticks $x)
    sleep "$seconds"
    p1=$(cpu_ticks $program) s1=$(cpu_ticks $server) x1=$(cpu_ticks $x)
    echo "idle, variant $variant, 1024x768, $items items, ${seconds} s: Orvela.exe $(share $((p1 - p0))) of one core" \
         "(wineserver $(share $((s1 - s0))), Xvfb $(share $((x1 - x0))))"
    kill $program $launcher 2>/dev/null
    wait $launcher 2>/dev/null
    # The next variant's figure must not count this one's process.
    for _ in $(seq 100); do
        pgrep -x Orvela.exe >/dev/null || break
        sleep 0.1
    done
done
