#!/bin/bash
# The shipping folder from unpacking to uninstalling, with real input:
# install.exe gets a path typed into its edit box, "Next" and "Finish"
# clicked; then the five files are in the program folder and none is left
# behind, exiftool reads the seven shortcuts back, Orvela.exe starts from the
# program folder and shows its desktop; the web shortcut is an Internet
# shortcut file with the address. Uninstall.exe, answered with Return, keeps
# everything (No is its default button); answered Yes, it removes the
# files, its shortcuts and itself, and leaves the user's own file in the
# program folder and the user's own shortcut named Orvela.lnk in the Start
# menu folder, and with them both folders.
#   installer.sh DIST_DIR ART_DIR WRITE_SHORTCUT
. "$(dirname "$0")/lib.sh"
dist=$1 art=$2 write_shortcut=$3
command -v exiftool >/dev/null || e2e_fail "exiftool missing (Debian package libimage-exiftool-perl)"
e2e_begin installer 1024x768
began=$(date +%s)

drive_c=$WINEPREFIX/drive_c
ship=$drive_c/orvela-shipping
program="$drive_c/Program Files/Orvela"
programs="$drive_c/users/${USER:-$(id -un)}/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
menu=$programs/Orvela
startup=$programs/StartUp
rm -rf "$ship" "$program" "$menu" "$startup/Orvela.lnk"
mkdir -p "$ship" "$startup"
cp "$dist"/* "$ship"/
[ "$(ls "$ship" | wc -l)" -eq 6 ] || e2e_fail "the shipping folder $dist does not hold six files"

# run DIR PROGRAM LOG: starts DIR/PROGRAM with DIR as its working folder.
run() {
    (cd "$1" && exec timeout 240 wine "./$2") >"$3" 2>&1 </dev/null &
    E2E_PID=$!
    E2E_PIDS="$E2E_PIDS $E2E_PID"
}

# click_in WINDOW X Y: a click at (X, Y) of the window's 640 x 480 client
# area, which lies centred at the bottom of its frame.
click_in() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    local border=$(((WIDTH - 640) / 2))
    e2e_click $((X + border + $2)) $((Y + HEIGHT - 480 - border + $3))
}

# box_gone ID TITLE: the message box is unmapped or destroyed.
box_gone() { e2e_gone "^$2\$" || ! xdotool getwindowname "$1" >/dev/null 2>&1; }

# answer_box TITLE [KEY]: presses KEY (Return, the default button, unless
# given) in the next message box with that title. X has the focus on the box
# when windowfocus --sync returns; Wine's own focus follows in its own time,
# unseen from outside, so a short settle stays before the key.
answer_box() {
    local box
    box=$(e2e_window "^$1\$" 30)
    [ -n "$box" ] || return 1
    xdotool windowfocus --sync "$box" && sleep 0.3 && xdotool key --window "$box" "${2:-Return}"
    e2e_wait_for 10 box_gone "$box" "$1"
}

# installed: the last file and the last shortcut of the install are there.
installed() { [ -f "$program/Uninstall.exe" ] && [ -f "$menu/Uninstall.lnk" ]; }

## Install: the path typed, "Next", "Finish".
run "$ship" install.exe "$E2E_WORK/install.log"
installer=$E2E_PID
window=$(e2e_window "^Orvela Setup$" 120)
[ -n "$window" ] || e2e_fail "no installer window on the screen"
# Text1 lies at (24, 364) pixels, 416 x 21.
click_in "$window" 232 374 || e2e_fail "xdotool could not click the path box"
xdotool type --delay 30 'C:\Program Files\Orvela\'
e2e_shot "$E2E_SHOTS/installer-typed.png"
# "Next": 81 x 25 at (440, 432).
click_in "$window" 480 444 || e2e_fail "xdotool could not click Next"
e2e_wait_for 30 installed ||
    e2e_fail "nothing was installed in $program (see $E2E_SHOTS/installer-typed.png)"
e2e_shot "$E2E_SHOTS/installer-done.png"
# "Finish": 81 x 25 at (528, 432).
click_in "$window" 568 444 || e2e_fail "xdotool could not click Finish"
e2e_wait_exit "$installer" 15
status=$?
[ $status -eq 0 ] || e2e_fail "install.exe ended with status $status (255: still running)"

for name in LICENSE.TXT ORDER.TXT ReadMe.TXT Orvela.exe Uninstall.exe; do
    cmp -s "$dist/$name" "$program/$name" || e2e_fail "$name is not in $program as shipped"
    [ ! -e "$ship/$name" ] || e2e_fail "$name was left in the shipping folder"
done
[ "$(ls "$ship")" = install.exe ] || e2e_fail "the shipping folder holds: $(ls "$ship")"

## The shortcuts, read back by exiftool.
# field FILE TAG: one field of exiftool's JSON output, raw numbers.
field() {
    exiftool -j -n "$1" |
        perl -MJSON::PP -0777 -e 'binmode STDOUT, ":utf8"; print decode_json(<STDIN>)->[0]{$ARGV[0]} // ""' "$2"
}
# shortcut FILE TARGET HOTKEY SHOW: target and icon (compared without case,
# as Windows compares paths), hot key, show command, no working folder.
shortcut() {
    local file=$1 target=$2 found
    [ -f "$file" ] || e2e_fail "no shortcut $file"
    for tag in LocalBasePath IconFileName; do
        found=$(field "$file" $tag)
        [ "${found,,}" = "${target,,}" ] || e2e_fail "$(basename "$file"): $tag '$found', not '$target'"
    done
    [ "$(field "$file" HotKey)" = "$3" ] || e2e_fail "$(basename "$file"): hot key $(field "$file" HotKey)"
    [ "$(field "$file" RunWindow)" = "$4" ] || e2e_fail "$(basename "$file"): show $(field "$file" RunWindow)"
    [ -z "$(field "$file" WorkingDirectory)" ] || e2e_fail "$(basename "$file"): a working folder"
}
installed='C:\Program Files\Orvela\'
ctrl_shift_c=835 # 'C' with HOTKEYF_CONTROL | HOTKEYF_SHIFT
shortcut "$E2E_DESKTOP/Orvela.lnk" "${installed}Orvela.exe" $ctrl_shift_c 1
shortcut "$menu/Orvela.lnk" "${installed}Orvela.exe" $ctrl_shift_c 1
shortcut "$menu/ReadMe.lnk" "${installed}ReadMe.txt" 0 1
shortcut "$menu/License.lnk" "${installed}LICENSE.txt" 0 1
shortcut "$menu/Order.lnk" "${installed}ORDER.txt" 0 1
# The uninstaller's shortcut has no hot key: Ctrl+Shift+C starts the program.
shortcut "$menu/Uninstall.lnk" "${installed}Uninstall.exe" 0 1
site="$menu/Visite Our Internet Site.url"
[ -f "$site" ] || e2e_fail "no Internet shortcut to the web site: $(ls "$menu")"
[ "$(cat "$site")" = "$(printf '[InternetShortcut]\r\nURL=http://www.orvela.example/\r')" ] ||
    e2e_fail "the web site's shortcut holds: $(od -c "$site" | head -5)"
[ "$(ls "$menu" | wc -l)" -eq 6 ] || e2e_fail "the Start menu folder holds: $(ls "$menu")"

## Orvela.exe from the program folder: its desktop, not the installer prompt.
run "$program" Orvela.exe "$E2E_WORK/orvela.log"
orvela=$E2E_PID
[ -n "$(e2e_window '^ *Orvela$' 120)" ] || e2e_fail "Orvela's desktop did not show"
e2e_screenshot_until "$E2E_SHOTS/installed-orvela.png" "$art/Fon1024.jpg" 0 0 512 764 4 384 1020 256 ||
    e2e_fail "Orvela's background is not on the screen (see $E2E_SHOTS/installed-orvela.png)"
[ -f "$program/ovdata.dat" ] || e2e_fail "Orvela wrote no settings in $program"
# Its exit button: 1680 x 495 twips at (12960, 720).
e2e_click 920 64 || e2e_fail "xdotool could not click Orvela's exit button"
e2e_wait_exit "$orvela" 15
[ $? -eq 0 ] || e2e_fail "Orvela did not end by its exit button"

## Uninstall.exe answered with Return: No, the default button, keeps all.
run "$program" Uninstall.exe "$E2E_WORK/uninstall-no.log"
uninstaller=$E2E_PID
answer_box "Orvela Uninstall" || e2e_fail "no question from Uninstall.exe"
e2e_wait_exit "$uninstaller" 15
[ $? -eq 0 ] || e2e_fail "Uninstall.exe did not end after No"
[ -f "$program/Orvela.exe" ] && [ -f "$menu/Uninstall.lnk" ] ||
    e2e_fail "Return in the question removed something: No is not its default button"

## Uninstall.exe answered Yes. An autostart shortcut goes with the rest; the
## user's own file and own shortcut named Orvela.lnk (to another program)
## stay, and so do the folders holding them.
cp "$E2E_DESKTOP/Orvela.lnk" "$startup/Orvela.lnk"
echo "my own notes" >"$program/my notes.txt"
mkdir -p "$drive_c/users/Public/Other" && echo MZ >"$drive_c/users/Public/Other/Orvela.exe"
user_menu='C:\users\'"${USER:-$(id -un)}"'\AppData\Roaming\Microsoft\Windows\Start Menu\Programs\Orvela'
wine "$write_shortcut" "$user_menu\Orvela.lnk" 'C:\users\Public\Other\Orvela.exe' "" "" 1 "" \
    "Another Orvela" >"$E2E_WORK/write_shortcut.log" 2>&1 ||
    e2e_fail "could not write the user's own shortcut: $(cat "$E2E_WORK/write_shortcut.log")"
[ "$(field "$menu/Orvela.lnk" LocalBasePath)" = 'C:\users\Public\Other\Orvela.exe' ] ||
    e2e_fail "the user's own Orvela.lnk starts $(field "$menu/Orvela.lnk" LocalBasePath)"
run "$program" Uninstall.exe "$E2E_WORK/uninstall.log"
uninstaller=$E2E_PID
answer_box "Orvela Uninstall" y || e2e_fail "no question from Uninstall.exe"
answer_box "Orvela Uninstall" || e2e_fail "no closing message from Uninstall.exe"
e2e_wait_exit "$uninstaller" 15
[ $? -eq 0 ] || e2e_fail "Uninstall.exe did not end"
e2e_wait_for 20 e2e_absent "$program/Uninstall.exe" || e2e_fail "Uninstall.exe stays: $(ls "$program")"
[ "$(ls "$program")" = "my notes.txt" ] || e2e_fail "the program folder holds: $(ls "$program")"
[ "$(ls "$menu")" = "Orvela.lnk" ] || e2e_fail "the Start menu folder holds: $(ls "$menu")"
for gone in "$E2E_DESKTOP/Orvela.lnk" "$startup/Orvela.lnk"; do
    [ ! -e "$gone" ] || e2e_fail "$gone was not removed"
done
[ -d "$startup" ] || e2e_fail "the StartUp folder itself was removed"
echo "PASS: installed, started and uninstalled in $(($(date +%s) - began)) s"
