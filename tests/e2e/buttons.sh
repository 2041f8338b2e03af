#!/bin/bash
# Orvela.exe in one display variant, driven by real pointer events: hovering
# a button lights its picture and moving onto the background puts it back
# (compared in screenshots); in variant 2 a click on a desktop item opens it
# (Wine's Notepad shows the text file); in variant 1 a right click on the
# background opens the pop-up menu there and its exit entry ends the
# program; in variants 2 and 3 their exit buttons do. Switch off and restart
# are never clicked: under Wine they would end the whole session.
#   buttons.sh Orvela.exe VARIANT
. "$(dirname "$0")/lib.sh"
exe=$1 variant=$2
e2e_begin "buttons$variant" 1024x768

e2e_install_variant "$exe" "$variant"
folder=$E2E_FOLDER
echo text >"$E2E_DESKTOP/Notes.txt"
e2e_launch "$folder" "$E2E_WORK/orvela.log"
pid=$E2E_PID
[ -n "$(e2e_window "Orvela" 120)" ] || e2e_fail "no Orvela window on the screen"

# Screen pixels (1024x768, one twip in 15): a button's picture (WxH+X+Y),
# a point over it, a point of the background that puts it back, the exit.
case $variant in
1) region=112x33+864+644 over="868 648" background="200 500" ;;
2) region=31x30+52+600 over="100 617" background="200 100" item="512 288" exit_at="884 32" ;;
3) region=126x26+712+272 over="767 287" background="333 700" exit_at="863 165" ;;
*) e2e_fail "unknown variant $variant" ;;
esac

# shot_is FILE REFERENCE TEST: a screenshot whose button region differs from
# REFERENCE (TEST "changed") or matches it ("same").
shot_is() {
    local n
    e2e_shot "$1" || return 1
    n=$(e2e_region_differs "$2" "$1" "$region")
    if [ "$3" = changed ]; then [ "${n:-0}" -gt 0 ] 2>/dev/null; else [ "${n:-1}" -eq 0 ] 2>/dev/null; fi
}
# region_now: the button region on the screen now: its pixels' hash and
# its number of colours.
region_now() { import -window root png:- 2>/dev/null | convert - -crop "$region" +repage -format '%# %k' info:; }
# button_drawn: the region holds a picture (more than one colour) that stays
# the same.
button_drawn() {
    local now
    now=$(region_now) && [ "${now#* }" -gt 1 ] && e2e_stable region_now
}

normal=$E2E_SHOTS/buttons$variant-normal.png lit=$E2E_SHOTS/buttons$variant-lit.png
back=$E2E_SHOTS/buttons$variant-back.png
read -r bx by <<<"$background"
read -r ox oy <<<"$over"
e2e_point 5 5 && e2e_point "$bx" "$by" || e2e_fail "xdotool could not move the pointer"
# The unlit button, drawn.
E2E_POLL=0.3 e2e_wait_for 15 button_drawn || e2e_fail "variant $variant: the button is not drawn"
e2e_shot "$normal" || e2e_fail "no screenshot"
e2e_point "$ox" "$oy"
E2E_POLL=0.3 e2e_wait_for 15 shot_is "$lit" "$normal" changed ||
    e2e_fail "variant $variant: the button at $over did not light (see $normal, $lit)"
e2e_point "$bx" "$by"
E2E_POLL=0.3 e2e_wait_for 15 shot_is "$back" "$normal" same ||
    e2e_fail "variant $variant: the background did not put the button back (see $back)"

if [ -n "${item:-}" ]; then
    read -r ix iy <<<"$item"
    e2e_click "$ix" "$iy"
    [ -n "$(e2e_window "Notepad|Notes" 30)" ] ||
        e2e_fail "variant $variant: clicking the item did not open Notes.txt"
fi

if [ -z "${exit_at:-}" ]; then
    # The menu opens 4 pixels up and left of the release; its exit entry is
    # the last, 76 x 136 pixels into it.
    xdotool click 3
    menu=$E2E_SHOTS/buttons$variant-menu.png
    e2e_screenshot_until_colour "$menu" "128 128 255" $((bx - 2)) $((by - 2)) ||
        e2e_fail "variant $variant: no pop-up menu at $background (see $menu)"
    exit_at="$((bx - 4 + 76)) $((by - 4 + 136))"
fi
read -r x y <<<"$exit_at"
e2e_click "$x" "$y"
e2e_wait_exit "$pid" 15
status=$?
[ $status -ne 255 ] || e2e_fail "variant $variant: Orvela still runs after its exit at $x,$y"
[ $status -eq 0 ] || e2e_fail "Orvela ended with status $status"
echo "PASS: variant $variant lights, resets and acts on real pointer events"
