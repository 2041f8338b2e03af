#!/bin/bash
# With install.exe beside it, Orvela.exe shows only the installer prompt Form6,
# reads and writes no settings, and ends when "Cancel" is pressed.
#   installer_prompt.sh Orvela.exe ART_DIR
. "$(dirname "$0")/lib.sh"
exe=$1 art=$2
e2e_begin installer_prompt 1024x768

folder=$E2E_WORK/unpacked
mkdir -p "$folder"
cp "$exe" "$folder/Orvela.exe"
printf 'not really an installer' >"$folder/install.exe"
e2e_launch "$folder" "$E2E_WORK/orvela.log"
pid=$E2E_PID

window=$(e2e_window "^Form6$" 120)
[ -n "$window" ] || e2e_fail "no Form6 prompt on the screen"
[ "$(e2e_visible_count Orvela)" -eq 0 ] || e2e_fail "the main window shows beside the prompt"
[ ! -e "$folder/ovdata.dat" ] || e2e_fail "the prompt wrote ovdata.dat"

eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 312 ] && [ "$HEIGHT" -eq 116 ] ||
    e2e_fail "the prompt is ${WIDTH}x$HEIGHT, not 312x116 (4680 x 1740 twips)"
# Its background picture, away from the label and the buttons.
e2e_screenshot_until "$E2E_SHOTS/installer-prompt.png" "$art/Form6.jpg" \
    "$X" "$Y" 4 4 300 4 4 110 ||
    e2e_fail "the prompt's picture is not on the screen (see $E2E_SHOTS/installer-prompt.png)"

# "Cancel": 1455 x 495 twips at (2760, 1080) in the prompt.
e2e_click $((X + (2760 + 1455 / 2) / 15)) $((Y + (1080 + 495 / 2) / 15)) ||
    e2e_fail "xdotool could not click"
e2e_wait_exit "$pid" 15
status=$?
[ $status -ne 255 ] || e2e_fail "Orvela still runs after Cancel"
[ $status -eq 0 ] || e2e_fail "Orvela ended with status $status"
[ ! -e "$folder/ovdata.dat" ] || e2e_fail "ovdata.dat was written"
echo "PASS: only the prompt was shown, Cancel ended the program"
