#!/bin/bash
# The Options dialog of Orvela.exe under Wine, driven with real input: the
# desktop's Options button opens it; autostart switched on and applied
# writes Orvela.lnk in the StartUp folder (read back by exiftool), switched
# off deletes it; variant 3 chosen with the keyboard and applied changes the
# desktop behind the dialog (compared in screenshots); Enter is OK, which
# closes the dialog and writes the settings file.
#   options.sh Orvela.exe
. "$(dirname "$0")/lib.sh"
exe=$1
command -v exiftool >/dev/null || e2e_fail "exiftool missing (Debian package libimage-exiftool-perl)"
e2e_begin options 1024x768

folder=$E2E_WORK/installed
mkdir -p "$folder"
cp "$exe" "$folder/Orvela.exe"
# settings DESKVAR AUTOSTART: the settings file as OK writes it.
settings() {
    printf '""\r\n%.0s' $(seq 11)
    printf '"%s"\r\n"5"\r\n"English"\r\n"1"\r\n"1"\r\n"5"\r\n"1"\r\n"15"\r\n"%s"\r\n""\r\n' "$1" "$2"
}
settings 1 0 >"$folder/ovdata.dat"
startup=$(find "$WINEPREFIX/drive_c/users" -type d -iname startup -path '*Start Menu*' | head -n 1)
[ -n "$startup" ] || e2e_fail "no StartUp folder in the Wine prefix"
rm -f "$startup/Orvela.lnk"

e2e_launch "$folder" "$E2E_WORK/orvela.log"
pid=$E2E_PID
[ -n "$(e2e_window "Orvela" 120)" ] || e2e_fail "no Orvela window on the screen"

e2e_click 104 64 # the Options button of variant 1 (Form2.nastroyki)
dialog=$(e2e_window "^Options$" 30)
[ -n "$dialog" ] || e2e_fail "the Options button opened no dialog"
# Its place once Wine has framed it.
e2e_wait_for 10 e2e_stable xdotool getwindowgeometry "$dialog" ||
    e2e_fail "the Options dialog keeps moving"
eval "$(xdotool getwindowgeometry --shell "$dialog")"
# The client area is 393 x 316 pixels; Wine may draw the frame in the window.
left=$((X + (WIDTH - 393) / 2)) top=$((Y + HEIGHT - 316 - (WIDTH - 393) / 2))
# in_dialog X Y: a point of the dialog's client area on the screen.
in_dialog() { echo "$((left + $1)) $((top + $2))"; }

# A drop-down list is a window of its own while it is open.
windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
closed=$(windows)
list_open() { [ "$(windows)" -gt "$closed" ]; }
list_closed() { [ "$(windows)" -eq "$closed" ]; }
# open_list COMBO_X COMBO_Y: clicks a drop-down box and waits for its list.
open_list() {
    e2e_click $(in_dialog "$1" "$2") && e2e_wait_for 10 list_open ||
        e2e_fail "no drop-down list opened at $1,$2"
}
# choose COMBO_X COMBO_Y KEYS...: opens a drop-down list, moves in it, takes the entry.
choose() {
    open_list "$1" "$2"
    shift 2
    xdotool key --delay 100 "$@" Return
    e2e_wait_for 10 list_closed || e2e_fail "the drop-down list stayed open"
}
apply() { e2e_click $(in_dialog 348 292); }
has_link() { [ -s "$link" ]; }

# Autostart on (entry 0, "Yes"), Apply: the StartUp shortcut.
choose 300 202 Up
apply
link=$startup/Orvela.lnk
e2e_wait_for 5 has_link || e2e_fail "Apply with autostart on wrote no $link"
field() {
    exiftool -j -n "$link" |
        perl -MJSON::PP -0777 -e 'print decode_json(<STDIN>)->[0]{$ARGV[0]} // "<missing>"' "$1"
}
want_target="Z:${folder//\//\\}/Orvela.exe"
[ "$(field LocalBasePath)" = "${want_target//\//\\}" ] ||
    e2e_fail "autostart target $(field LocalBasePath), expected $want_target"
[ "$(field WorkingDirectory)" = "c:/" ] || e2e_fail "working folder $(field WorkingDirectory)"
[ "$(field HotKey)" = 835 ] || e2e_fail "hot key $(field HotKey), expected Ctrl+Shift+C (835)"
[ "$(field RunWindow)" = 1 ] || e2e_fail "window style $(field RunWindow), expected 1"
[ "$(field IconFileName)" = "Orvela.exe" ] || e2e_fail "icon file $(field IconFileName)"
[ "$(field IconIndex)" = 0 ] || e2e_fail "icon index $(field IconIndex)"

# Autostart off (entry 1, "No"), Apply: the shortcut goes.
choose 300 202 Down
apply
e2e_wait_for 5 e2e_absent "$link" || e2e_fail "Apply with autostart off left $link"

# Variant 3 with the keyboard, Apply: the desktop changes behind the dialog.
before=$E2E_SHOTS/options-before.png after=$E2E_SHOTS/options-variant3.png
e2e_shot "$before" || e2e_fail "no screenshot"
choose 300 154 Down Down
apply
# variant_shown: a screenshot whose lower left (no dialog there) changed.
variant_shown() {
    local n
    e2e_shot "$after" && n=$(e2e_region_differs "$before" "$after" 300x180+0+580) &&
        [ "${n:-0}" -gt 5000 ] 2>/dev/null
}
E2E_POLL=0.3 e2e_wait_for 10 variant_shown ||
    e2e_fail "the desktop did not change to variant 3 behind the dialog (see $before, $after)"
[ "$(e2e_visible_count "^Options$")" -ge 1 ] || e2e_fail "Apply closed the dialog"

# Enter is OK once a button no longer has the focus (a focused button takes
# Enter itself): the focus goes to a closed drop-down list, then Enter closes
# the dialog and the settings file holds the choices.
open_list 300 106
xdotool key Escape
e2e_wait_for 10 list_closed || e2e_fail "Escape left the drop-down list open"
timeout 10 xdotool key Return
e2e_wait_for 10 e2e_gone "^Options$" || e2e_fail "Enter did not close the dialog"
cmp -s "$folder/ovdata.dat" <(settings 3 0) ||
    e2e_fail "ovdata.dat after OK: $(od -c "$folder/ovdata.dat" | head -n 20)"

e2e_click 863 165 # variant 3's exit
e2e_wait_exit "$pid" 15
status=$?
[ $status -ne 255 ] || e2e_fail "Orvela still runs after its exit"
echo "PASS: the Options dialog applies, switches autostart and saves with real input"
