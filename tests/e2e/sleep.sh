#!/bin/bash
# Nobody sees the desktop, so Orvela.exe sleeps: minimised through its own
# pop-up menu, and covered by a maximised Notepad in front, it uses no CPU
# over 20 s (at most 0.05 % of a core: one clock tick of the kernel's 100 a
# second in 20 s); restored, it runs again.
#   sleep.sh Orvela.exe window_tool.exe
. "$(dirname "$0")/lib.sh"
exe=$1 tool=$2
e2e_begin "sleep" 1024x768

folder=$E2E_WORK/installed
mkdir -p "$folder"
cp "$exe" "$folder/Orvela.exe"
for i in $(seq 20); do echo text >"$E2E_DESKTOP/file$i.txt"; done
e2e_launch "$folder" "$E2E_WORK/orvela.log"
[ -n "$(e2e_window "Orvela" 60)" ] || e2e_fail "no Orvela window on the screen"
sleep 2
pid=$(ps -eo pid,comm | awk '$2 ~ /^Orvela/ { print $1 }' | head -n 1)
[ -n "$pid" ] || e2e_fail "no Orvela.exe process"

# cpu_over SECONDS: the process's user and system clock ticks over that time.
cpu_over() {
    local a b
    a=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    sleep "$1"
    b=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    echo $((b - a))
}
awake=$(cpu_over 5)
[ "$awake" -gt 0 ] || e2e_fail "the program used no CPU while shown: the measure is broken"

# Minimised through the pop-up menu's "Minimize" (a right-click on the
# background opens it at the pointer).
xdotool mousemove 300 450 click 3 && sleep 1 && xdotool mousemove 340 492 click 1
sleep 2
hidden=$(cpu_over 20)
[ "$hidden" -le 1 ] || e2e_fail "minimised, the program used $hidden ticks in 20 s"
wine "$tool" restore Orvela >/dev/null 2>&1 || e2e_fail "could not restore the window"
woken=$(cpu_over 3)
[ "$woken" -gt 0 ] || e2e_fail "restored, the program did not wake"
import -window root "$E2E_SHOTS/sleep-restored.png" 2>/dev/null

# Covered: a maximised Notepad in front of the desktop.
(exec timeout 120 wine notepad) >/dev/null 2>&1 </dev/null &
E2E_PIDS="$E2E_PIDS $!"
wine "$tool" maximize Notepad >/dev/null 2>&1 || e2e_fail "could not maximise Notepad"
sleep 2
covered=$(cpu_over 20)
[ "$covered" -le 1 ] || e2e_fail "covered, the program used $covered ticks in 20 s"

echo "PASS: awake $awake ticks in 5 s; minimised $hidden and covered $covered ticks in 20 s; restored $woken in 3 s"
