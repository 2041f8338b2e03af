#!/usr/bin/env bash
# Renders the artwork sources in resources/art/src/*.svg into the pictures the build
# embeds (resources/art/*.jpg, *.gif, *.bmp and the program icons *.ico), then checks
# every output's pixel size.
#
#   tools/render_art.sh                            render everything and check it
#   tools/render_art.sh --check                    only check the committed outputs
#   tools/render_art.sh --preview OUTPUT FILE.png  render one output as PNG to look at
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
# The 2x and 3x renders, shown on large or dense screens only, where the finer
# pixels hide what the lower quality and halved colour resolution lose: the
# program stays small.
JPEG_QUALITY_LARGE=80
# Drive icons are shown on a dark blue panel: edge pixels are blended onto this colour,
# and pixels less than half covered become transparent (GIF has 1-bit transparency).
PANEL="#000080"
# The variant-3 overlay is blended onto the dark plum of its own frame.
OVERLAY_MATTE="#2a0b3d"
# Palette entry used for the transparent pixels of every GIF.
TRANSPARENT="#FF00FF"

# output file | source svg | width | height | stylesheet applied on top ("-" for none)
#   | optional: the part of the drawing to render, "X,Y,W,H" in its own pixels (the
#     whole 1024x768 canvas when left out)
# Lit button states are the normal drawing with a stylesheet of lit colours, so both
# states of a button always come from one drawing.
# The margin pieces (FonLeft.jpg, Image1Top.jpg, ...) are the drawing beyond its canvas,
# which the program shows beside or above the design's area on screens of another shape:
# left and right 406 px wide (a 3440x1440 screen) in a near piece of 176 px (a 16:9
# screen's margin, so that the commonest wide screens decode only those) and a far one
# of 230 (FonFarLeft.jpg, ...), top and bottom 527 px high (a portrait 1080x1920
# screen), each at 1x, 2x and for the sides 3x (a 3840x2160 screen).
TABLE="
Fon800.jpg       Fon.svg          800  600  -
Fon1024.jpg      Fon.svg         1024  768  -
Fon1152.jpg      Fon.svg         1152  864  -
Fon1600.jpg      Fon.svg         1600 1200  -
but1.jpg         but1.svg         200   50  -
but1press.jpg    but1press.svg    200   50  -
Form6.jpg        Form6.svg        312  116  -
Image8.gif       Image8.svg        30   30  -
Image9.gif       Image9.svg        30   30  -
Image10.gif      Image10.svg       30   30  -
Image11.gif      Image11.svg       30   30  -
Image1.jpg       Image1.svg      1024  768  -
Image13.jpg      Image13.svg       57  233  -
v2pro2.jpg       v2pro.svg         31   30  -
v2pro1.jpg       v2pro.svg         31   30  v2lit.css
v2doc2.jpg       v2doc.svg         29   33  -
v2doc1.jpg       v2doc.svg         29   33  v2lit.css
v2st2.jpg        v2st.svg          33   33  -
v2st1.jpg        v2st.svg          33   33  v2lit.css
v2dr2.jpg        v2dr.svg          47   29  -
v2dr1.jpg        v2dr.svg          47   29  v2lit.css
v2reb2.jpg       v2reb.svg         33   33  -
v2reb1.jpg       v2reb.svg         33   33  v2lit.css
v2off2.jpg       v2off.svg         33   33  -
v2off1.jpg       v2off.svg         33   33  v2lit.css
v2opt2.jpg       v2opt.svg         28   32  -
v2opt1.jpg       v2opt.svg         28   32  v2lit.css
v2ex2.jpg        v2ex.svg          24   25  -
v2ex1.jpg        v2ex.svg          24   25  v2lit.css
v2rec2.jpg       v2rec.svg         26   27  -
v2rec1.jpg       v2rec.svg         26   27  v2lit.css
Image19.jpg      Image19.svg     1024  768  -
Image20.gif      Image20.svg     1024  768  -
v3rec.jpg        v3rec.svg        126   26  -
v3rec1.jpg       v3rec.svg        126   26  v3lit.css
v3op.jpg         v3op.svg          62   26  -
v3op1.jpg        v3op.svg          62   26  v3lit.css
v3ex.jpg         v3ex.svg          62   26  -
v3ex1.jpg        v3ex.svg          62   26  v3lit.css
v3pr.jpg         v3pr.svg         126   26  -
v3pr1.jpg        v3pr.svg         126   26  v3lit.css
v3do.jpg         v3do.svg         126   26  -
v3do1.jpg        v3do.svg         126   26  v3lit.css
v3start.jpg      v3start.svg       42   21  -
v3start1.jpg     v3start.svg       42   21  v3lit.css
v3re.jpg         v3re.svg          59   21  -
v3re1.jpg        v3re.svg          59   21  v3lit.css
v3sh.jpg         v3sh.svg          95   27  -
v3sh1.jpg        v3sh.svg          95   27  v3lit.css
PixDummy.bmp     PixDummy.svg      32   32  -
form3Image1.jpg  form3Image1.svg  128  128  -
installForm1.jpg installForm1.svg 640  480  -
but1@2x.jpg      but1.svg          400  100  -
but1press@2x.jpg but1press.svg     400  100  -
Form6@2x.jpg     Form6.svg         624  232  -
Image8@2x.gif    Image8.svg         60   60  -
Image9@2x.gif    Image9.svg         60   60  -
Image10@2x.gif   Image10.svg        60   60  -
Image11@2x.gif   Image11.svg        60   60  -
v2pro2@2x.jpg    v2pro.svg          62   60  -
v2pro1@2x.jpg    v2pro.svg          62   60  v2lit.css
v2doc2@2x.jpg    v2doc.svg          58   66  -
v2doc1@2x.jpg    v2doc.svg          58   66  v2lit.css
v2st2@2x.jpg     v2st.svg           66   66  -
v2st1@2x.jpg     v2st.svg           66   66  v2lit.css
v2dr2@2x.jpg     v2dr.svg           94   58  -
v2dr1@2x.jpg     v2dr.svg           94   58  v2lit.css
v2reb2@2x.jpg    v2reb.svg          66   66  -
v2reb1@2x.jpg    v2reb.svg          66   66  v2lit.css
v2off2@2x.jpg    v2off.svg          66   66  -
v2off1@2x.jpg    v2off.svg          66   66  v2lit.css
v2opt2@2x.jpg    v2opt.svg          56   64  -
v2opt1@2x.jpg    v2opt.svg          56   64  v2lit.css
v2ex2@2x.jpg     v2ex.svg           48   50  -
v2ex1@2x.jpg     v2ex.svg           48   50  v2lit.css
v2rec2@2x.jpg    v2rec.svg          52   54  -
v2rec1@2x.jpg    v2rec.svg          52   54  v2lit.css
v3rec@2x.jpg     v3rec.svg         252   52  -
v3rec1@2x.jpg    v3rec.svg         252   52  v3lit.css
v3op@2x.jpg      v3op.svg          124   52  -
v3op1@2x.jpg     v3op.svg          124   52  v3lit.css
v3ex@2x.jpg      v3ex.svg          124   52  -
v3ex1@2x.jpg     v3ex.svg          124   52  v3lit.css
v3pr@2x.jpg      v3pr.svg          252   52  -
v3pr1@2x.jpg     v3pr.svg          252   52  v3lit.css
v3do@2x.jpg      v3do.svg          252   52  -
v3do1@2x.jpg     v3do.svg          252   52  v3lit.css
v3start@2x.jpg   v3start.svg        84   42  -
v3start1@2x.jpg  v3start.svg        84   42  v3lit.css
v3re@2x.jpg      v3re.svg          118   42  -
v3re1@2x.jpg     v3re.svg          118   42  v3lit.css
v3sh@2x.jpg      v3sh.svg          190   54  -
v3sh1@2x.jpg     v3sh.svg          190   54  v3lit.css
form3Image1@2x.jpg form3Image1.svg   256  256  -
Fon1600@2x.jpg   Fon.svg         3200 2400  -
Image1@2x.jpg    Image1.svg      2048 1536  -
Image1@3x.jpg    Image1.svg      3072 2304  -
Image19@2x.jpg   Image19.svg     2048 1536  -
Image19@3x.jpg   Image19.svg     3072 2304  -
Image20@2x.gif   Image20.svg     2048 1536  -
Image20@3x.gif   Image20.svg     3072 2304  -
"
# The margin pieces of the three backgrounds, rows added below.
PIECES="Fon Image1 Image20"
for name in $PIECES; do
    TABLE+="${name}Left.jpg $name.svg 176 768 - -176,0,176,768
${name}Left@2x.jpg $name.svg 352 1536 - -176,0,176,768
${name}Left@3x.jpg $name.svg 528 2304 - -176,0,176,768
${name}FarLeft.jpg $name.svg 230 768 - -406,0,230,768
${name}FarLeft@2x.jpg $name.svg 460 1536 - -406,0,230,768
${name}FarLeft@3x.jpg $name.svg 690 2304 - -406,0,230,768
${name}Right.jpg $name.svg 176 768 - 1024,0,176,768
${name}Right@2x.jpg $name.svg 352 1536 - 1024,0,176,768
${name}Right@3x.jpg $name.svg 528 2304 - 1024,0,176,768
${name}FarRight.jpg $name.svg 230 768 - 1200,0,230,768
${name}FarRight@2x.jpg $name.svg 460 1536 - 1200,0,230,768
${name}FarRight@3x.jpg $name.svg 690 2304 - 1200,0,230,768
${name}Top.jpg $name.svg 1024 527 - 0,-527,1024,527
${name}Top@2x.jpg $name.svg 2048 1054 - 0,-527,1024,527
${name}Bottom.jpg $name.svg 1024 527 - 0,768,1024,527
${name}Bottom@2x.jpg $name.svg 2048 1054 - 0,768,1024,527
"
done
# Every small 2x render also comes at 3x, for a 3840x2160 screen.
TABLE+="$(awk 'NF == 5 && $1 ~ /@2x\./ && $3 <= 1024 { n = $1; sub(/@2x\./, "@3x.", n);
    print n, $2, $3 * 3 / 2, $4 * 3 / 2, $5 }' <<<"$TABLE")
"
# Program icons: one .ico each, with a 32-bit image (with alpha) of every size.
ICONS="Orvela install Uninstall"
ICON_SIZES="16 32 48"
# Largest rendered file allowed, in bytes.
MAX_BYTES=512000

die() { echo "render_art: $*" >&2; exit 1; }

need_tools() {
    command -v "$RSVG" >/dev/null || die "rsvg-convert not found (apt-get install librsvg2-bin)"
    "$CONVERT" -version 2>/dev/null | grep -q ImageMagick \
        || die "$CONVERT is not ImageMagick (apt-get install imagemagick, or set CONVERT)"
    "$IDENTIFY" -version 2>/dev/null | grep -q ImageMagick \
        || die "$IDENTIFY is not ImageMagick (set IDENTIFY)"
}

svg_to_png() { # svg width height stylesheet out.png [X,Y,W,H]
    local css=() svg=$1
    [ "$4" = "-" ] || css=(--stylesheet "$SRC/$4")
    if [ -n "${6:-}" ]; then
        # Another part of the drawing: its canvas line rewritten to that view.
        local x y w h
        IFS=, read -r x y w h <<<"$6"
        svg="$(mktemp --suffix=.svg)"
        sed "0,/width=\"1024\" height=\"768\" viewBox=\"0 0 1024 768\"/s//width=\"$w\" height=\"$h\" viewBox=\"$x $y $w $h\"/" \
            "$1" >"$svg"
        grep -q "viewBox=\"$x $y $w $h\"" "$svg" || die "$1 is not a 1024x768 canvas"
    fi
    "$RSVG" "${css[@]}" --width "$2" --height "$3" --format png "$svg" -o "$5"
    [ -z "${6:-}" ] || rm -f "$svg"
}

# Colour that the half-covered edge pixels of a GIF are blended onto: the colour the
# picture is shown on.
gif_matte() {
    case "$1" in
    Image20.gif) echo "$OVERLAY_MATTE" ;;
    *) echo "$PANEL" ;;
    esac
}

render() {
    tmp="$(mktemp -d)"
    trap 'rm -rf "$tmp"' EXIT
    local out svg w h css view png
    while read -r out svg w h css view; do
        [ -n "$out" ] || continue
        [ -f "$SRC/$svg" ] || die "missing source $SRC/$svg"
        [ "$css" = "-" ] || [ -f "$SRC/$css" ] || die "missing stylesheet $SRC/$css"
        png="$tmp/$out.png"
        svg_to_png "$SRC/$svg" "$w" "$h" "$css" "$png" "$view"
        case "$out" in
        *.jpg)
            local quality=$JPEG_QUALITY sampling=1x1
            case "$out" in *@[23]x.jpg) quality=$JPEG_QUALITY_LARGE sampling=2x2 ;; esac
            "$CONVERT" "$png" -background white -alpha remove -alpha off \
                -colorspace sRGB -type TrueColor -strip -interlace none \
                -sampling-factor "$sampling" -quality "$quality" "JPEG:$ART/$out"
            ;;
        *.gif)
            # Blend half-covered edge pixels onto the matte colour, drop the rest.
            # Large pictures are dithered so that their gradients do not band.
            # Above 1024 px the gradients span enough pixels not to band, and
            # dithering would only make the file larger.
            local dither=(+dither)
            [ "$w" -le 64 ] || [ "$w" -gt 1024 ] || dither=(-dither FloydSteinberg)
            "$CONVERT" "$png" -alpha extract -threshold 50% "$tmp/$out.mask.png"
            "$CONVERT" "$png" -background "$(gif_matte "$out")" -alpha remove -alpha off \
                "$tmp/$out.mask.png" -compose CopyOpacity -composite \
                -background "$TRANSPARENT" -alpha background "${dither[@]}" -colors 255 \
                -transparent-color "$TRANSPARENT" -strip "GIF:$ART/$out"
            ;;
        *.bmp)
            # Image-list pictures: white is the mask colour, so white is the background.
            "$CONVERT" "$png" -background white -alpha remove -alpha off \
                -type TrueColor -strip "BMP3:$ART/$out"
            ;;
        *) die "unknown output type $out" ;;
        esac
    done <<<"$TABLE"

    local name s pngs
    for name in $ICONS; do
        [ -f "$SRC/$name.svg" ] || die "missing source $SRC/$name.svg"
        pngs=()
        for s in $ICON_SIZES; do
            svg_to_png "$SRC/$name.svg" "$s" "$s" - "$tmp/$name$s.png"
            pngs+=("$tmp/$name$s.png")
        done
        "$CONVERT" "${pngs[@]}" -strip "ICO:$ART/$name.ico"
    done
}

check() {
    local bad=0 out svg w h css got
    while read -r out svg w h css view; do
        [ -n "$out" ] || continue
        if [ ! -f "$ART/$out" ]; then
            echo "MISSING $out" >&2; bad=1; continue
        fi
        got="$("$IDENTIFY" -format '%wx%h\n' "$ART/$out" | head -n 1)"
        if [ "$got" != "${w}x${h}" ]; then
            echo "WRONG SIZE $out: $got, expected ${w}x${h}" >&2; bad=1
        fi
        got="$(wc -c <"$ART/$out")"
        [ "$got" -le "$MAX_BYTES" ] || { echo "TOO LARGE $out: $got bytes" >&2; bad=1; }
        case "$out" in
        *.jpg)
            got="$("$IDENTIFY" -format '%m %[colorspace]' "$ART/$out")"
            [ "$got" = "JPEG sRGB" ] || { echo "NOT AN sRGB JPEG $out: $got" >&2; bad=1; }
            ;;
        *.gif)
            got="$("$IDENTIFY" -format '%[opaque]' "$ART/$out")"
            [ "$got" = "false" ] || [ "$got" = "False" ] || { echo "NO TRANSPARENCY $out" >&2; bad=1; }
            case "$out" in
            Image8.gif | Image9.gif | Image10.gif | Image11.gif)
                # The corners of a drive icon are background: they must be transparent.
                got="$("$CONVERT" "$ART/$out" -format "%[fx:p{0,0}.a] %[fx:p{$((w - 1)),$((h - 1))}.a]" info:)"
                [ "$got" = "0 0" ] || { echo "NOT TRANSPARENT $out: corner alpha $got" >&2; bad=1; }
                ;;
            esac
            ;;
        *.bmp)
            got="$("$IDENTIFY" -format '%m' "$ART/$out")"
            [ "$got" = "BMP3" ] || [ "$got" = "BMP" ] || { echo "NOT A BMP $out: $got" >&2; bad=1; }
            ;;
        esac
    done <<<"$TABLE"

    local name want s
    want=""; for s in $ICON_SIZES; do want+="${s}x${s} "; done
    for name in $ICONS; do
        if [ ! -f "$ART/$name.ico" ]; then
            echo "MISSING $name.ico" >&2; bad=1; continue
        fi
        got="$("$IDENTIFY" -format '%wx%h ' "$ART/$name.ico" | tr ' ' '\n' | grep . | sort -n | tr '\n' ' ')"
        [ "$got" = "$want" ] || { echo "WRONG SIZES $name.ico: $got, expected $want" >&2; bad=1; }
    done
    [ "$bad" = 0 ] || die "artwork check failed"
    echo "render_art: all artwork present with the right pixel sizes"
}

# Renders one table row to a PNG for looking at it: tools/render_art.sh --preview v2pro1.jpg out.png
preview() {
    local out svg w h css
    while read -r out svg w h css view; do
        [ "$out" = "$1" ] || continue
        svg_to_png "$SRC/$svg" "$w" "$h" "$css" "$2" "$view"
        return
    done <<<"$TABLE"
    die "no such output $1"
}

need_tools
case "${1:-}" in
--check) check ;;
--preview) [ $# = 3 ] || die "usage: $0 --preview OUTPUT FILE.png"; preview "$2" "$3" ;;
"") render; check ;;
*) die "usage: $0 [--check | --preview OUTPUT FILE.png]" ;;
esac
