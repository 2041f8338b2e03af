#!/bin/bash
# Nobody sees the desktop, so Orvela.exe sleeps: minimised through its own
# pop-up menu, and covered by a maximised Notepad in front, it uses next to
# no CPU over 20 s: at most 40 ms (0.2 % of a core; about 12 ms here, the
# once-a-second visibility check and Wine's own threads, against some 800 ms
# awake); restored, it runs again.
#   sleep.sh Orvela.exe window_tool.exe
. "$(dirname "$0")/lib.sh"
exe=$1 tool=$2
e2e_begin "sleep" 1024x768

folder=$E2E_WORK/installed
mkdir -p "$folder"
cp "$exe" "$folder/Orvela.exe"
for i in $(seq 20); do echo text >"$E2E_DESKTOP/file$i.txt"; done
e2e_launch "$folder" "$E2E_WORK/orvela.log"
window=$(e2e_window "Orvela" 120)
[ -n "$window" ] || e2e_fail "no Orvela window on the screen"
# orvela_pid: the id of this test's Windows process (not the wine command's,
# nor one of an earlier test's prefix that is still ending).
orvela_pid() {
    local p
    for p in $(ps -eo pid,comm | awk '$2 ~ /^Orvela/ { print $1 }'); do
        if tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            echo "$p"
            return 0
        fi
    done
    return 1
}
pid=$(e2e_wait_for 10 orvela_pid) || e2e_fail "no Orvela.exe process"

# cpu_over SECONDS: the CPU time all the process's threads used over that
# time, in ms (the scheduler's own count, not the clock-tick samples, which
# charge a whole tick to whoever runs at that moment).
cpu_now() { cat "/proc/$pid"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { printf "%d\n", ns / 1e6 }'; }
cpu_over() {
    local a b
    a=$(cpu_now)
    sleep "$1"
    b=$(cpu_now)
    echo $((b - a))
}
# settled: at most 5 ms of CPU over a second, once the work of going to
# sleep (the last paint, the timer stopped) is done; then the 20 s are
# measured.
settled() { [ "$(cpu_over 1)" -le 5 ]; }
awake=$(cpu_over 5)
[ "$awake" -gt 0 ] || e2e_fail "the program used no CPU while shown: the measure is broken"

# Minimised through the pop-up menu's "Minimize" (a right-click on the
# background opens it 4 pixels up and left of the pointer).
xdotool mousemove 300 450 click 3
e2e_screenshot_until_colour "$E2E_WORK/menu.png" "128 128 255" 298 448 ||
    e2e_fail "no pop-up menu at 300,450"
e2e_click 340 492
# With no window manager the window stays mapped, showing its last picture;
# Wine marks it iconic in its window manager hints.
iconic() { xprop -id "$window" WM_HINTS | grep -q 'Iconic State'; }
e2e_wait_for 10 iconic || e2e_fail "the Orvela window is not minimised after Minimize"
e2e_wait_for 10 settled || e2e_fail "minimised, the program keeps using CPU"
hidden=$(cpu_over 20)
[ "$hidden" -le 40 ] || e2e_fail "minimised, the program used $hidden ms of CPU in 20 s"
wine "$tool" restore Orvela >/dev/null 2>&1 || e2e_fail "could not restore the window"
woken=$(cpu_over 3)
[ "$woken" -gt 0 ] || e2e_fail "restored, the program did not wake"
e2e_shot "$E2E_SHOTS/sleep-restored.png"

# Covered: a maximised Notepad in front of the desktop.
(exec timeout 120 wine notepad) >/dev/null 2>&1 </dev/null &
E2E_PIDS="$E2E_PIDS $!"
# Shown first, so that its own first ShowWindow does not undo the maximise.
[ -n "$(e2e_window Notepad 60)" ] || e2e_fail "no Notepad window"
wine "$tool" maximize Notepad >/dev/null 2>&1 || e2e_fail "could not maximise Notepad"
# Maximised for Windows (with no window manager its X window keeps its size).
zoomed() { wine "$tool" zoomed Notepad >/dev/null 2>&1; }
e2e_wait_for 10 zoomed || e2e_fail "Notepad is not maximised"
e2e_wait_for 10 settled || e2e_fail "covered, the program keeps using CPU"
covered=$(cpu_over 20)
[ "$covered" -le 40 ] || e2e_fail "covered, the program used $covered ms of CPU in 20 s"

echo "PASS: CPU awake $awake ms in 5 s; minimised $hidden and covered $covered ms in 20 s; restored $woken ms in 3 s"
