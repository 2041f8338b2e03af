#!/bin/bash
# Start-up of Orvela.exe under Wine: the time from starting the process to the
# first frame the main window (Form2) has painted, as the median of several
# runs. The program announces that frame with OutputDebugString, which Wine
# prints on its "seh" channel; the script stamps the moment the line arrives.
#
#   wine_startup.sh Orvela.exe [RUNS] [WIDTHxHEIGHT] [WORK_DIR] [DESKTOP_FILES]
#
# DESKTOP_FILES (default 0) documents of five types are put on the desktop,
# so the figure includes the scan.
#
# A fresh folder for every run (so each writes its settings file anew); one
# warm-up run first, not counted, so that the Wine prefix and its services are
# up; a persistent wineserver, so that the figure is the program's start.
set -u
exe=$(readlink -f "$1")
runs=${2:-7}
screen=${3:-1024x768}
work=${4:-$(pwd)/wine-startup}
files=${5:-0}
width=${screen%x*} height=${screen#*x}

rm -rf "$work/runs"
mkdir -p "$work/runs" "$work/xdg-data"
export WINEPREFIX=${WINEPREFIX:-$work/wineprefix}
export LANG=C.UTF-8 WINEDLLOVERRIDES=winemenubuilder.exe=d XDG_DATA_HOME=$work/xdg-data

xvfb=
cleanup() {
    WINEDEBUG=-all timeout 30 wineserver -k >/dev/null 2>&1
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT

rm -f "$work/display"
Xvfb -displayfd 5 -screen 0 "${screen}x24" -nolisten tcp 5>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")

# Prefix, server and Wine's own services, started with their output away from
# the pipes read below.
WINEDEBUG=-all timeout 180 wineboot -i >/dev/null 2>&1 </dev/null
WINEDEBUG=-all timeout 30 wineserver -p >/dev/null 2>&1 </dev/null

# A desktop of its own (Wine links it to the Linux home folder otherwise).
desktop=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/Desktop
rm -rf "$desktop"
mkdir -p "$desktop"
for i in $(seq "$files"); do
    case $((i % 5)) in
    0) ext=txt ;; 1) ext=doc ;; 2) ext=ini ;; 3) ext=rtf ;; *) ext=log ;;
    esac
    echo text >"$desktop/File $i.$ext"
done

# The exit button of the main window, on the design's area: scaled by its
# height and centred on the screen (a click elsewhere would leave the program
# running into the next run).
read -r exit_x exit_y <<EOF2
$(awk -v w="$width" -v h="$height" 'BEGIN { d = h; if (w * 0.75 < d) d = w * 0.75; k = d / 768;
    printf "%d %d\n", (w - d * 4 / 3) / 2 + (12960 + 840) * k / 15 + 0.5,
        (h - d) / 2 + (720 + 247.5) * k / 15 + 0.5 }')
EOF2

# One run: prints the milliseconds to the first frame, or nothing.
run_once() {
    local dir=$work/runs/$1 stamp start pid reader
    mkdir -p "$dir"
    cp "$exe" "$dir/Orvela.exe"
    stamp=$dir/first-frame
    start=$(date +%s%N)
    # Wine may start helpers (explorer.exe) that inherit the pipe and outlive
    # the program: wait for the program itself, never for the pipe.
    (
        cd "$dir" && echo "$BASHPID" >"$dir/pid" &&
            WINEDEBUG=-all,warn+seh exec timeout 60 wine ./Orvela.exe 2>&1 >/dev/null </dev/null
    ) | while IFS= read -r line; do
        case $line in
        # Wine prints the text twice; stamp the first, whole, at once.
        *"orvela: first frame Form2"*)
            [ -e "$stamp" ] || { date +%s%N >"$stamp.part" && mv "$stamp.part" "$stamp"; } ;;
        esac
    done &
    reader=$!
    for _ in $(seq 3000); do
        [ -s "$stamp" ] && break
        sleep 0.01
    done
    [ -s "$stamp" ] && echo $((($(cat "$stamp") - start) / 1000000))
    pid=$(cat "$dir/pid" 2>/dev/null)
    # (--sync waits for movement: start from elsewhere.)
    xdotool mousemove 0 0 mousemove --sync "$exit_x" "$exit_y" click 1 >/dev/null 2>&1
    for _ in $(seq 150); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && echo "run $1: the exit button did not end the program" >&2
    kill "$pid" "$reader" 2>/dev/null
}

run_once warmup >/dev/null
times=()
for i in $(seq "$runs"); do
    t=$(run_once "$i")
    [ -n "$t" ] || { echo "run $i: no first frame within 30 s" >&2; exit 1; }
    times+=("$t")
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : int((a[NR / 2] + a[NR / 2 + 1]) / 2) }')
echo "Orvela.exe under Wine, $screen, $files files on the desktop: process start to first painted frame of Form2"
echo "  runs (ms): ${times[*]}"
echo "  median: $median ms"
