#!/bin/bash
# Orvela.exe in one display variant on a screen of any shape, as people run
# it: the margins beside or above the design's area show the variant's
# drawing going on, not a band of one flat colour; in variant 1 the
# background's dial lies where the art puts it and its centre under the
# hands' pivot. Six desktop items; the screenshot stays for the README.
#   screens.sh Orvela.exe VARIANT ART_DIR WIDTHxHEIGHT
. "$(dirname "$0")/lib.sh"
exe=$1 variant=$2 art=$3 screen=$4
e2e_begin "screen$variant-$screen" "$screen"
width=${screen%x*} height=${screen#*x}

e2e_install_variant "$exe" "$variant"
folder=$E2E_FOLDER
e2e_sample_desktop "$exe"
e2e_launch "$folder" "$E2E_WORK/orvela.log"
[ -n "$(e2e_window "Orvela" 120)" ] || e2e_fail "no Orvela window on the screen"

shot=$E2E_SHOTS/variant$variant-$screen.png
read -r design x0 y0 <<<"$(e2e_composition "$width" "$height")"
if [ "$variant" = 1 ]; then
    # The background over the design's area: its corners and four points of
    # the dial's rim (radius 277 of the 1024 x 768 drawing, on the diagonals,
    # where no tick mark lies), around the dial's centre (525.33, 367.33).
    background=$E2E_WORK/background.png
    e2e_scaled_art "$art/$(e2e_background "$design")" "$design" "$background"
    points=$(awk -v d="$design" 'BEGIN { k = d / 768; w = int(d * 4 / 3); r = 277 * 0.7071;
        printf "4 4 %d 4 4 %d %d %d", w - 5, d - 5, w - 5, d - 5;
        for (i = -1; i <= 1; i += 2) for (j = -1; j <= 1; j += 2)
            printf " %d %d", (525.33 + i * r) * k + 0.5, (367.33 + j * r) * k + 0.5 }')
    # shellcheck disable=SC2086
    e2e_screenshot_until "$shot" "$background" "$x0" "$y0" $points ||
        e2e_fail "the background and its dial are not where the design puts them (see $shot)"
    # The dial's centre as the art places it, and the hands' pivot as the
    # layout places it (W / 2 + 200 s, H / 2 - 250 s twips): within 1 px.
    read -r dx dy hx hy <<<"$(awk -v w="$width" -v h="$height" -v d="$design" -v x0="$x0" \
        -v y0="$y0" 'BEGIN { k = d / 768;
        printf "%.2f %.2f %.2f %.2f\n", x0 + 525.33 * k, y0 + 367.33 * k,
            w / 2 + 200 * k / 15, h / 2 - 250 * k / 15 }')"
    awk -v a="$dx" -v b="$dy" -v c="$hx" -v e="$hy" \
        'BEGIN { exit !((a - c) ^ 2 <= 1 && (b - e) ^ 2 <= 1) }' ||
        e2e_fail "the dial's centre ($dx, $dy) is not under the hands' ($hx, $hy)"
    # The pivot is drawn there: the same colour 3 px around the hands' centre.
    px=$(printf '%.0f' "$hx") py=$(printf '%.0f' "$hy")
    hub=$(e2e_pixel "$shot" "$px" "$py")
    for offset in "-3 0" "3 0" "0 -3" "0 3"; do
        read -r ox oy <<<"$offset"
        e2e_close "$hub" "$(e2e_pixel "$shot" $((px + ox)) $((py + oy)))" 24 ||
            e2e_fail "no pivot centred at the hands' centre ($px, $py) (see $shot)"
    done
fi

# The margins beside or above the design's area show the drawing going on,
# not one flat colour: each margin's colours spread (stars, glows, bands,
# the wall's pattern), measured over the whole margin.
margin_spread() { # X Y W H: the largest standard deviation of a channel, 0..255
    convert "$shot" -crop "${3}x${4}+${1}+${2}" +repage -format \
        '%[fx:255*max(standard_deviation.r,max(standard_deviation.g,standard_deviation.b))]' info:
}
design_w=$(awk -v d="$design" 'BEGIN { printf "%d", d * 4 / 3 + 0.5 }')
margins=()
if [ "$x0" -gt 0 ]; then
    margins+=("left 0 0 $x0 $height" "right $((x0 + design_w)) 0 $((width - x0 - design_w)) $height")
fi
if [ "$y0" -gt 0 ]; then
    margins+=("top 0 0 $width $y0" "bottom 0 $((y0 + design)) $width $((height - y0 - design))")
fi
flat_margin() { # prints the first margin of one flat colour, if any
    local margin side mx my mw mh spread
    for margin in "${margins[@]}"; do
        read -r side mx my mw mh <<<"$margin"
        [ "$mw" -gt 0 ] && [ "$mh" -gt 0 ] || continue
        spread=$(margin_spread "$mx" "$my" "$mw" "$mh")
        awk -v s="$spread" 'BEGIN { exit !(s < 1) }' && { echo "$side (spread $spread)"; return; }
    done
}
# Variant 1 has its screenshot already; the others take screenshots until the
# margins are painted (at most about 30 s).
[ "$variant" = 1 ] || import -window root "$shot" 2>/dev/null || e2e_fail "no screenshot"
for ((try = 0; ; try++)); do
    flat=$(flat_margin)
    [ -n "$flat" ] || break
    [ "$variant" != 1 ] && [ $try -lt 60 ] || e2e_fail "the $flat margin is one flat colour (see $shot)"
    sleep 0.5
    import -window root "$shot" 2>/dev/null || e2e_fail "no screenshot"
done

kill "$E2E_PID" 2>/dev/null
echo "PASS: variant $variant at $screen: art in every margin, screenshot $shot"
