#!/bin/bash
# A second Orvela.exe started while one runs ends at once; the first goes on.
#   second_instance.sh Orvela.exe
. "$(dirname "$0")/lib.sh"
exe=$1
e2e_begin second_instance 1024x768

folder=$E2E_WORK/installed
mkdir -p "$folder"
cp "$exe" "$folder/Orvela.exe"
e2e_launch "$folder" "$E2E_WORK/first.log"
first=$E2E_PID
window=$(e2e_window Orvela 120)
[ -n "$window" ] || e2e_fail "the first instance shows no window"

e2e_launch "$folder" "$E2E_WORK/second.log"
second=$E2E_PID
e2e_wait_exit "$second" 30
status=$?
[ $status -ne 255 ] || e2e_fail "the second instance still runs"
[ $status -eq 0 ] || e2e_fail "the second instance ended with status $status"

kill -0 "$first" 2>/dev/null || e2e_fail "the first instance ended too"
[ "$(e2e_visible_count Orvela)" -eq 1 ] || e2e_fail "not exactly one Orvela window"

# Alt+F4 on the main window ends the first one.
xdotool key --window "$window" alt+F4 || e2e_fail "xdotool could not press Alt+F4"
e2e_wait_exit "$first" 15
[ $? -eq 0 ] || e2e_fail "the first instance did not end on Alt+F4"
echo "PASS: the second instance ended at once, the first kept running and ended on Alt+F4"
