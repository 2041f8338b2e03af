#!/bin/bash
# Windows scaling under Wine, in a prefix of its own whose LogPixels is set to
# 96, 144 and 192 in turn (HKCU\Control Panel\Desktop, read when a program
# starts): the platform reads that dpi and gives item icons of 32, 48 and
# 64 px (the LargeIcons case of the platform tests), and the Options dialog
# of Orvela.exe is 1, 1.5 and 2 times its 96-dpi size. Screenshots of the
# desktop with one item and the dialog at each dpi: dpi-<N>.png.
#   dpi.sh Orvela.exe orvela_win32_tests.exe
. "$(dirname "$0")/lib.sh"
exe=$1 platform_tests=$2
export WINEPREFIX=${ORVELA_E2E_WORK:-$(pwd)}/wineprefix-dpi
e2e_begin dpi 1024x768

folder=$E2E_WORK/installed
mkdir -p "$folder"
cp "$exe" "$folder/Orvela.exe"
cp "$exe" "$E2E_DESKTOP/Item.exe" # one desktop item with an icon of its own

set_dpi() {
    timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        >/dev/null 2>&1 || e2e_fail "could not set LogPixels to $1"
}

# dialog_hash: the hash of the dialog's pixels on the screen now.
dialog_hash() {
    import -window root png:- 2>/dev/null |
        convert - -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage -format '%#' info:
}

width96=
for dpi in 96 144 192; do
    set_dpi "$dpi"
    ORVELA_EXPECT_DPI=$dpi timeout 120 wine "$platform_tests" \
        --gtest_filter='LargeIcons.*' >"$E2E_WORK/icons-$dpi.log" 2>&1 ||
        e2e_fail "icons at $dpi dpi: $(grep -E 'Failure|Expected|Which is|actual' "$E2E_WORK/icons-$dpi.log" | head -n 6)"
    grep -q "SKIPPED" "$E2E_WORK/icons-$dpi.log" && e2e_fail "the icon test skipped at $dpi dpi"

    e2e_launch "$folder" "$E2E_WORK/orvela-$dpi.log"
    pid=$E2E_PID
    [ -n "$(e2e_window "Orvela" 120)" ] || e2e_fail "no Orvela window at $dpi dpi"
    # The main window keeps its layout: the Options button stays where it is.
    e2e_click 104 64
    dialog=$(e2e_window "^Options$" 30)
    [ -n "$dialog" ] || e2e_fail "no Options dialog at $dpi dpi"
    # Its size once Wine has framed it, and its picture once it is drawn.
    e2e_wait_for 10 e2e_stable xdotool getwindowgeometry "$dialog" ||
        e2e_fail "the Options dialog keeps changing its size at $dpi dpi"
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    E2E_POLL=0.3 e2e_wait_for 10 e2e_stable dialog_hash || e2e_fail "the dialog keeps changing"
    e2e_shot "$E2E_SHOTS/dpi-$dpi.png" || e2e_fail "no screenshot"
    echo "dpi $dpi: Options dialog ${WIDTH}x${HEIGHT}"
    if [ "$dpi" = 96 ]; then
        width96=$WIDTH height96=$HEIGHT
    else
        # Its client area (393 x 316 at 96 dpi) grows with the dpi; the frame
        # Wine draws around it does too, within a few pixels.
        awk -v w="$WIDTH" -v h="$HEIGHT" -v w0="$width96" -v h0="$height96" -v k="$dpi" 'BEGIN {
            k /= 96; dw = w / w0 - k; dh = h / h0 - k
            if (dw < 0) dw = -dw; if (dh < 0) dh = -dh
            exit !(dw <= 0.04 * k && dh <= 0.04 * k) }' ||
            e2e_fail "Options dialog ${WIDTH}x${HEIGHT} at $dpi dpi, ${width96}x${height96} at 96"
    fi
    kill "$pid" 2>/dev/null
    timeout 30 wineserver -k >/dev/null 2>&1 # this prefix's own server
    timeout 30 wineserver -p >/dev/null 2>&1 </dev/null || true
done
echo "PASS: icons and the Options dialog follow LogPixels 96, 144 and 192"
