#!/bin/bash
# Orvela.exe in one display variant (deskvar set in ovdata.dat before the
# start) with six desktop items (a program, a folder, documents, a Unicode
# name): the variant's overlay shows, its animation moves between two
# screenshots, and its own exit control ends the program. Variants 2 and 3
# at 1024x768; variant 1 on any screen.
#   variants.sh Orvela.exe VARIANT ART_DIR [WIDTHxHEIGHT]
. "$(dirname "$0")/lib.sh"
exe=$1 variant=$2 art=$3 screen=${4:-1024x768}
e2e_begin "variant$variant-$screen" "$screen"
width=${screen%x*} height=${screen#*x}

e2e_install_variant "$exe" "$variant"
folder=$E2E_FOLDER
e2e_sample_desktop "$exe"
e2e_launch "$folder" "$E2E_WORK/orvela.log"
pid=$E2E_PID
[ -n "$(e2e_window "Orvela" 120)" ] || e2e_fail "no Orvela window on the screen"

# Per variant, in screen pixels: what must show, the region that animates
# (WxH+X+Y), and the centre of the variant's exit control.
shot=$E2E_SHOTS/variant$variant-$screen.png
read -r design x0 y0 <<<"$(e2e_composition "$width" "$height")"
# px X_TWIPS Y_TWIPS: the screen pixel of a design point, scaled and moved
# with the design.
px() { awk -v d="$design" -v x0="$x0" -v y0="$y0" -v x="$1" -v y="$2" 'BEGIN { k = d / 768;
    printf "%d %d\n", x0 + x * k / 15 + 0.5, y0 + y * k / 15 + 0.5 }'; }
case $variant in
1) # The background around the analogue clock; the second hand moves.
    # Drawn over the design's area, centred on the screen.
    background=$E2E_WORK/background.png
    e2e_scaled_art "$art/$(e2e_background "$design")" "$design" "$background"
    dw=$((design * 4 / 3))
    e2e_screenshot_until "$shot" "$background" "$x0" "$y0" \
        $((dw / 2)) $((design - 4)) 4 $((design / 2)) $((dw / 2)) 4 ||
        e2e_fail "variant 1: the background is not on the screen (see $shot)"
    # A square around the clock centre (W / 2 + 200s, H / 2 - 250s), 4000s twips wide.
    read -r cx cy <<<"$(awk -v w="$width" -v h="$height" -v d="$design" 'BEGIN { k = d / 768;
        printf "%d %d\n", w / 2 + 200 * k / 15, h / 2 - 250 * k / 15 }')"
    side=$((4000 * design / 768 / 15))
    region=${side}x${side}+$((cx - side / 2))+$((cy - side / 2))
    exit_at=$(px $((12960 + 840)) $((720 + 247))) ;;
2) # The black star panels Frame3 and Frame4 beside the grid of six items
    # (one row from x 384 to 576); the stars twinkle.
    e2e_screenshot_until_colour "$shot" "0 0 0" 2 146 340 494 590 146 1018 494 ||
        e2e_fail "variant 2: the star panels are not on the screen (see $shot)"
    region=1024x360+0+140 exit_at="884 32" ;;
3) # The clock panel Frame6 of the overlay; its seconds change.
    e2e_screenshot_until_colour "$shot" "64 0 64" 706 42 902 42 706 142 ||
        e2e_fail "variant 3: the clock panel is not on the screen (see $shot)"
    region=200x105+704+40 exit_at="863 165" ;;
*) e2e_fail "unknown variant $variant" ;;
esac

# moved: a later screenshot whose region differs from the first one's.
later=$E2E_WORK/later.png
moved() {
    e2e_shot "$later" && changed=$(e2e_region_differs "$shot" "$later" "$region") &&
        [ "${changed:-0}" -gt 0 ] 2>/dev/null
}
E2E_POLL=0.3 e2e_wait_for 5 moved ||
    e2e_fail "variant $variant: nothing moved in $region within 5 s (see $shot, $later)"

read -r x y <<<"$exit_at"
e2e_click "$x" "$y" || e2e_fail "xdotool could not click"
e2e_wait_exit "$pid" 15
status=$?
[ $status -ne 255 ] || e2e_fail "variant $variant: Orvela still runs after its exit at $x,$y"
[ $status -eq 0 ] || e2e_fail "Orvela ended with status $status"
echo "PASS: variant $variant shows and animates ($changed pixels changed), screenshot $shot"
