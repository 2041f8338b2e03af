#!/bin/bash
# Orvela.exe alone in an empty folder, on a screen of the given size: it writes
# the default settings file beside itself, covers the screen with its
# background picture, and ends when its exit button is clicked.
#   start_and_exit.sh Orvela.exe WIDTHxHEIGHT ART_DIR
. "$(dirname "$0")/lib.sh"
exe=$1 screen=$2 art=$3
e2e_begin "start_$screen" "$screen"
width=${screen%x*} height=${screen#*x}

folder=$E2E_WORK/installed
mkdir -p "$folder"
cp "$exe" "$folder/Orvela.exe"
e2e_launch "$folder" "$E2E_WORK/orvela.log"
pid=$E2E_PID

window=$(e2e_window "Orvela" 120)
[ -n "$window" ] || e2e_fail "no Orvela window on the screen"

# The default settings: 11 empty lines, nine values, one empty line, CR LF each.
{
    printf '\r\n%.0s' $(seq 11)
    printf '1\r\n5\r\n"English"\r\n1\r\n1\r\n0\r\n1\r\n15\r\n0\r\n\r\n'
} >"$E2E_WORK/expected-ovdata.dat"
[ -f "$folder/ovdata.dat" ] || e2e_fail "ovdata.dat was not written beside Orvela.exe"
cmp "$E2E_WORK/expected-ovdata.dat" "$folder/ovdata.dat" ||
    e2e_fail "ovdata.dat differs from the default settings"

# The background picture chosen for the design's height, drawn over the
# design's area (centred on the screen): compare points where no control lies.
read -r design x0 y0 <<<"$(e2e_composition "$width" "$height")"
dw=$((design * 4 / 3))
background=$E2E_WORK/background.png
e2e_scaled_art "$art/$(e2e_background "$design")" "$design" "$background"
shot=$E2E_SHOTS/orvela-$screen.png
e2e_screenshot_until "$shot" "$background" "$x0" "$y0" \
    $((dw / 2)) $((design - 4)) 4 $((design / 2)) $((dw / 2)) 4 $((dw - 4)) $((design / 3)) ||
    e2e_fail "the background picture is not on the screen (see $shot)"
colours=$(convert "$shot" -format %k info:)
[ "$colours" -gt 1000 ] || e2e_fail "the screenshot has only $colours colours (see $shot)"

# The exit button: 1680 x 495 twips at (12960, 720) of the design, scaled
# and moved with it.
read -r x y <<EOF2
$(awk -v d="$design" -v x0="$x0" -v y0="$y0" 'BEGIN { k = d / 768;
    printf "%d %d\n", x0 + (12960 + 1680 / 2) * k / 15 + 0.5, y0 + (720 + 495 / 2) * k / 15 + 0.5 }')
EOF2
e2e_click "$x" "$y" || e2e_fail "xdotool could not click"
e2e_wait_exit "$pid" 15
status=$?
[ $status -ne 255 ] || e2e_fail "Orvela still runs after its exit button was clicked at $x,$y"
[ $status -eq 0 ] || e2e_fail "Orvela ended with status $status"
cmp -s "$E2E_WORK/expected-ovdata.dat" "$folder/ovdata.dat" || e2e_fail "exit changed ovdata.dat"
echo "PASS: started at $screen, screenshot $shot, ended by its exit button"
