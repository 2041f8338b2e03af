#!/bin/bash
# Shortcuts written through the real platform under Wine, read back on the
# Linux side by exiftool and from the bytes where the file format keeps the
# show command (32 bits at 0x3C) and the hot key (16 bits at 0x40).
#   shortcut_exiftool.sh write_shortcut.exe
. "$(dirname "$0")/lib.sh"
writer=$1
command -v exiftool >/dev/null || e2e_fail "exiftool missing (Debian package libimage-exiftool-perl)"
e2e_begin shortcut_exiftool 640x480

# The Windows form of a path in the work folder (Wine maps / to drive Z:).
windows_path() {
    printf 'Z:%s' "${1//\//\\}"
}

# field FILE TAG [-n]: one field of exiftool's JSON output (-n: raw numbers).
field() {
    exiftool -j ${3:-} "$1" |
        perl -MJSON::PP -0777 -e 'binmode STDOUT, ":utf8"; print decode_json(<STDIN>)->[0]{$ARGV[0]} // "<missing>"' "$2"
}

# expect FILE TAG VALUE [-n]
expect() {
    local found
    found=$(field "$1" "$2" "${4:-}")
    [ "$found" = "$3" ] || e2e_fail "$(basename "$1"): $2 is '$found', expected '$3'"
}

# at FILE OFFSET BYTES: the little-endian unsigned value stored there.
bytes_at() {
    od -An -tu"$3" -j "$2" -N "$3" "$1" | tr -d ' '
}

write_shortcut() {
    timeout 60 wine "$writer" "$@" >>"$E2E_WORK/writer.log" 2>&1
}

# The shortcut the Options dialog writes: hot key, normal window, icon 0.
one=$E2E_WORK/one.lnk
write_shortcut "$(windows_path "$one")" 'C:\windows\notepad.exe' 'c:/' 'CTRL+SHIFT+C' 1 'X.exe,0' \
    'Orvela test' || e2e_fail "the first shortcut was not written (see $E2E_WORK/writer.log)"
[ -s "$one" ] || e2e_fail "no file at $one"
expect "$one" LocalBasePath 'C:\windows\notepad.exe'
expect "$one" WorkingDirectory 'c:/'
expect "$one" HotKey 'Shift-Control-C'
expect "$one" HotKey 835 -n # 0x0343: 'C' with HOTKEYF_CONTROL | HOTKEYF_SHIFT
expect "$one" RunWindow 'Normal'
expect "$one" RunWindow 1 -n
expect "$one" IconFileName 'X.exe'
expect "$one" IconIndex 0 -n
expect "$one" Description 'Orvela test'
[ "$(bytes_at "$one" $((0x3C)) 4)" = 1 ] || e2e_fail "show command on disk: $(bytes_at "$one" $((0x3C)) 4)"
[ "$(bytes_at "$one" $((0x40)) 2)" = $((0x0343)) ] || e2e_fail "hot key on disk: $(bytes_at "$one" $((0x40)) 2)"

# A Cyrillic name and description, a maximised window, a function key and a
# negative icon index after a path with a comma. exiftool shows F5 (0x74) as
# "t" and reads the index as unsigned: the raw values are checked.
two=$E2E_WORK/Ярлык.lnk
write_shortcut "$(windows_path "$two")" 'C:\windows\notepad.exe' 'C:\windows' 'Alt+F5' 3 \
    'C:\a,b\icons.dll,-3' 'Орвела' || e2e_fail "the second shortcut was not written"
expect "$two" HotKey 1140 -n # 0x0474: VK_F5 with HOTKEYF_ALT
expect "$two" RunWindow 'Show Maximized'
expect "$two" IconFileName 'C:\a,b\icons.dll'
expect "$two" IconIndex 4294967293 -n # -3
expect "$two" Description 'Орвела'
expect "$two" WorkingDirectory 'C:\windows'
[ "$(bytes_at "$two" $((0x3C)) 4)" = 3 ] || e2e_fail "show command on disk: $(bytes_at "$two" $((0x3C)) 4)"

# Saving over a shortcut replaces it; a text that names no key leaves no hot key.
write_shortcut "$(windows_path "$one")" 'C:\windows\notepad.exe' '' 'CTRL+NOKEY' 7 '' '' ||
    e2e_fail "the shortcut was not replaced"
expect "$one" HotKey 0 -n
expect "$one" RunWindow 'Show Minimized No Activate'
expect "$one" Description ''
expect "$one" WorkingDirectory ''

# A folder that does not exist: reported, and nothing written.
missing=$E2E_WORK/missing/three.lnk
if write_shortcut "$(windows_path "$missing")" 'C:\windows\notepad.exe' '' '' 1 '' ''; then
    e2e_fail "a shortcut in a missing folder was reported as written"
fi
[ ! -e "$missing" ] || e2e_fail "a file appeared at $missing"
echo "shortcuts read back as written"
