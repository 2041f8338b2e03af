#!/bin/bash
# Orvela.exe in a program folder that refuses new files (as Program Files
# refuses a standard user): it keeps its settings in the per-user file
# %APPDATA%\Orvela\ovdata.dat, made with the new-file bytes, and leaves the
# folder as it was. As root the folder is made immutable (chattr +i: root
# writes through a missing w bit), otherwise its w bits are taken away.
#   read_only_folder.sh Orvela.exe
. "$(dirname "$0")/lib.sh"
exe=$1
e2e_begin read_only_folder 1024x768

folder=$E2E_WORK/protected
mkdir -p "$folder"
cp "$exe" "$folder/Orvela.exe"
user_dir=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/Orvela
rm -rf "$user_dir"

unprotect() {
    if [ "$(id -u)" -eq 0 ]; then
        chattr -i "$folder" 2>/dev/null
    else
        chmod u+w "$folder" 2>/dev/null
    fi
}
# The flag goes before the clean-up, or the work folder could not be removed.
trap 's=$?; unprotect; rm -rf "$user_dir"; (exit $s); e2e_end' EXIT
if [ "$(id -u)" -eq 0 ]; then
    chattr +i "$folder" || e2e_fail "chattr +i failed on $folder"
else
    chmod a-w "$folder"
fi
touch "$folder/probe" 2>/dev/null && e2e_fail "the folder still takes files: the test proves nothing"

e2e_launch "$folder" "$E2E_WORK/orvela.log"
window=$(e2e_window "Orvela" 120)
[ -n "$window" ] || e2e_fail "no Orvela window on the screen"

{
    printf '\r\n%.0s' $(seq 11)
    printf '1\r\n5\r\n"English"\r\n1\r\n1\r\n0\r\n1\r\n15\r\n0\r\n\r\n'
} >"$E2E_WORK/expected-ovdata.dat"
# The settings are read before the window shows; allow a moment all the same.
e2e_wait_for 5 test -f "$user_dir/ovdata.dat" || e2e_fail "no per-user settings file in $user_dir"
cmp "$E2E_WORK/expected-ovdata.dat" "$user_dir/ovdata.dat" ||
    e2e_fail "the per-user file differs from the new-file bytes: $(od -c "$user_dir/ovdata.dat" | head)"
left=$(ls -A "$folder")
[ "$left" = "Orvela.exe" ] || e2e_fail "the program folder changed: $left"
echo "PASS: settings in $user_dir, the read-only program folder untouched"
