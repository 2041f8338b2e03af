#!/usr/bin/env bash
# Renders the artwork sources in resources/art/src/*.svg into the pictures the build
# embeds (resources/art/*.jpg, *.gif, Orvela.ico), then checks every output's pixel size.
#
#   tools/render_art.sh            render everything and check it
#   tools/render_art.sh --check    only check the committed outputs
#
# Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick 6/7 (Debian: imagemagick).
# CONVERT / IDENTIFY may point at other ImageMagick binaries; the defaults are the
# Debian ones because /usr/local/bin/convert may be something else on some machines.
# Output is deterministic for a given rsvg/ImageMagick version: metadata is stripped.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ART="$ROOT/resources/art"
SRC="$ART/src"
CONVERT="${CONVERT:-/usr/bin/convert}"
IDENTIFY="${IDENTIFY:-/usr/bin/identify}"
RSVG="${RSVG:-rsvg-convert}"

JPEG_QUALITY=88
# Drive icons are shown on a dark blue panel: edge pixels are blended onto this colour,
# and pixels less than half covered become transparent (GIF has 1-bit transparency).
PANEL="#000080"
# Palette entry used for the transparent pixels of every GIF.
TRANSPARENT="#FF00FF"

# output file | source svg | width | height
TABLE="
Fon800.jpg     Fon.svg        800  600
Fon1024.jpg    Fon.svg       1024  768
Fon1152.jpg    Fon.svg       1152  864
Fon1600.jpg    Fon.svg       1600 1200
but1.jpg       but1.svg       200   50
but1press.jpg  but1press.svg  200   50
Form6.jpg      Form6.svg      312  116
Image8.gif     Image8.svg      30   30
Image9.gif     Image9.svg      30   30
Image10.gif    Image10.svg     30   30
Image11.gif    Image11.svg     30   30
"
ICON_SIZES="16 32 48"

die() { echo "render_art: $*" >&2; exit 1; }

need_tools() {
    command -v "$RSVG" >/dev/null || die "rsvg-convert not found (apt-get install librsvg2-bin)"
    "$CONVERT" -version 2>/dev/null | grep -q ImageMagick \
        || die "$CONVERT is not ImageMagick (apt-get install imagemagick, or set CONVERT)"
    "$IDENTIFY" -version 2>/dev/null | grep -q ImageMagick \
        || die "$IDENTIFY is not ImageMagick (set IDENTIFY)"
}

svg_to_png() { # svg width height out.png
    "$RSVG" --width "$2" --height "$3" --format png "$1" -o "$4"
}

render() {
    tmp="$(mktemp -d)"
    trap 'rm -rf "$tmp"' EXIT
    local out svg w h png
    while read -r out svg w h; do
        [ -n "$out" ] || continue
        [ -f "$SRC/$svg" ] || die "missing source $SRC/$svg"
        png="$tmp/$out.png"
        svg_to_png "$SRC/$svg" "$w" "$h" "$png"
        case "$out" in
        *.jpg)
            "$CONVERT" "$png" -background white -alpha remove -alpha off \
                -colorspace sRGB -type TrueColor -strip -interlace none \
                -sampling-factor 1x1 -quality "$JPEG_QUALITY" "JPEG:$ART/$out"
            ;;
        *.gif)
            # Blend half-covered edge pixels onto the panel colour, drop the rest.
            "$CONVERT" "$png" -alpha extract -threshold 50% "$tmp/$out.mask.png"
            "$CONVERT" "$png" -background "$PANEL" -alpha remove -alpha off \
                "$tmp/$out.mask.png" -compose CopyOpacity -composite \
                -background "$TRANSPARENT" -alpha background +dither -colors 255 \
                -transparent-color "$TRANSPARENT" -strip "GIF:$ART/$out"
            ;;
        *) die "unknown output type $out" ;;
        esac
    done <<<"$TABLE"

    local pngs=() s
    for s in $ICON_SIZES; do
        svg_to_png "$SRC/Orvela.svg" "$s" "$s" "$tmp/icon$s.png"
        pngs+=("$tmp/icon$s.png")
    done
    "$CONVERT" "${pngs[@]}" -strip "ICO:$ART/Orvela.ico"
}

check() {
    local bad=0 out svg w h got
    while read -r out svg w h; do
        [ -n "$out" ] || continue
        if [ ! -f "$ART/$out" ]; then
            echo "MISSING $out" >&2; bad=1; continue
        fi
        got="$("$IDENTIFY" -format '%wx%h\n' "$ART/$out" | head -n 1)"
        if [ "$got" != "${w}x${h}" ]; then
            echo "WRONG SIZE $out: $got, expected ${w}x${h}" >&2; bad=1
        fi
        case "$out" in
        *.jpg)
            got="$("$IDENTIFY" -format '%m %[colorspace]' "$ART/$out")"
            [ "$got" = "JPEG sRGB" ] || { echo "NOT AN sRGB JPEG $out: $got" >&2; bad=1; }
            ;;
        *.gif)
            # The corners of every drive icon are background: they must be transparent.
            got="$("$CONVERT" "$ART/$out" -format '%[fx:p{0,0}.a] %[fx:p{29,29}.a]' info:)"
            [ "$got" = "0 0" ] || { echo "NOT TRANSPARENT $out: corner alpha $got" >&2; bad=1; }
            ;;
        esac
    done <<<"$TABLE"

    if [ ! -f "$ART/Orvela.ico" ]; then
        echo "MISSING Orvela.ico" >&2; bad=1
    else
        got="$("$IDENTIFY" -format '%wx%h ' "$ART/Orvela.ico" | tr ' ' '\n' | grep . | sort -n | tr '\n' ' ')"
        local want=""; for s in $ICON_SIZES; do want+="${s}x${s} "; done
        [ "$got" = "$want" ] || { echo "WRONG SIZES Orvela.ico: $got, expected $want" >&2; bad=1; }
    fi
    [ "$bad" = 0 ] || die "artwork check failed"
    echo "render_art: all artwork present with the right pixel sizes"
}

need_tools
case "${1:-}" in
--check) check ;;
"") render; check ;;
*) die "usage: $0 [--check]" ;;
esac
