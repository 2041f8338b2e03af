# Shared set-up of the tests under Wine: a work folder, a Wine prefix, an Xvfb
# display of the test's own, and clean-up of all three at exit. Every wait is
# bounded, so a hang fails the test instead of blocking.
#
#   . lib.sh; e2e_begin NAME WIDTHxHEIGHT
#
# Environment (set by ctest): ORVELA_E2E_WORK (the folder for work files and
# screenshots), WINEPREFIX. Without them, the current folder is used.

set -u

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# e2e_wait_for SECONDS COMMAND [ARGS...]: runs the command until it succeeds,
# with E2E_POLL seconds (0.1 unless set) between tries; fails once SECONDS
# have passed. Every wait of the tests is one of these: on a condition that
# can be seen, never for a fixed time.
e2e_wait_for() {
    local limit=$((${EPOCHREALTIME/./} + $1 * 1000000))
    shift
    until "$@"; do
        [ "${EPOCHREALTIME/./}" -lt "$limit" ] || return 1
        sleep "${E2E_POLL:-0.1}"
    done
}

# e2e_absent PATH: the file or folder is not there.
e2e_absent() { [ ! -e "$1" ]; }

# e2e_stable COMMAND [ARGS...]: the command prints the same twice, 0.2 s
# apart (a picture or a geometry that has stopped changing).
e2e_stable() {
    local first
    first=$("$@") || return 1
    sleep 0.2
    [ "$first" = "$("$@")" ]
}

e2e_begin() {
    E2E_NAME=$1
    E2E_SCREEN=$2
    E2E_ROOT=${ORVELA_E2E_WORK:-$(pwd)}
    E2E_WORK=$E2E_ROOT/work/$E2E_NAME
    E2E_SHOTS=$E2E_ROOT/screenshots
    rm -rf "$E2E_WORK"
    mkdir -p "$E2E_WORK" "$E2E_SHOTS" "$E2E_ROOT/xdg-data"
    export WINEPREFIX=${WINEPREFIX:-$E2E_ROOT/wineprefix}
    export WINEDEBUG=-all LANG=C.UTF-8 WINEDLLOVERRIDES=winemenubuilder.exe=d
    # Wine's recycle bin is the freedesktop trash: keep it inside the build.
    export XDG_DATA_HOME=$E2E_ROOT/xdg-data
    E2E_XVFB_PID=
    E2E_PIDS=
    trap e2e_end EXIT
    trap 'exit 1' INT TERM

    # Xvfb picks a free display and writes its number when it is ready.
    rm -f "$E2E_WORK/display"
    Xvfb -displayfd 5 -screen 0 "${E2E_SCREEN}x24" -nolisten tcp \
        5>"$E2E_WORK/display" 2>"$E2E_WORK/xvfb.log" &
    E2E_XVFB_PID=$!
    e2e_wait_for 10 e2e_xvfb_ready || e2e_fail "Xvfb did not start (see $E2E_WORK/xvfb.log)"
    export DISPLAY=:$(head -n 1 "$E2E_WORK/display")

    # The first use of the prefix creates it (about 10 s).
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        timeout 180 wineboot -i >"$E2E_WORK/wineboot.log" 2>&1 ||
            e2e_fail "wineboot could not create $WINEPREFIX"
    fi
    timeout 30 wineserver -p >/dev/null 2>&1 </dev/null || true

    # Wine links the user's Desktop to the Linux home folder: the program
    # would show whatever lies there. Each test gets an empty folder instead.
    E2E_DESKTOP=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/Desktop
    rm -rf "$E2E_DESKTOP"
    mkdir -p "$E2E_DESKTOP"
}

# e2e_xvfb_ready: Xvfb wrote its display number; fails the test if it ended.
e2e_xvfb_ready() {
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || e2e_fail "Xvfb ended (see $E2E_WORK/xvfb.log)"
    [ -s "$E2E_WORK/display" ]
}

e2e_end() {
    status=$?
    for pid in $E2E_PIDS; do
        kill "$pid" 2>/dev/null
    done
    timeout 30 wineserver -k >/dev/null 2>&1
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    exit $status
}

# e2e_install_variant EXE VARIANT: copies EXE to $E2E_WORK/installed with a
# settings file that shows display variant VARIANT (the new-file values
# otherwise); sets E2E_FOLDER.
e2e_install_variant() {
    E2E_FOLDER=$E2E_WORK/installed
    mkdir -p "$E2E_FOLDER"
    cp "$1" "$E2E_FOLDER/Orvela.exe"
    {
        printf '\r\n%.0s' $(seq 11)
        printf '"%s"\r\n5\r\n"English"\r\n1\r\n1\r\n0\r\n1\r\n15\r\n0\r\n\r\n' "$2"
    } >"$E2E_FOLDER/ovdata.dat"
}

# e2e_sample_desktop EXE: six desktop items: a program (a copy of EXE), a
# folder and four documents, one with a Cyrillic name.
e2e_sample_desktop() {
    cp "$1" "$E2E_DESKTOP/Tool.exe"
    mkdir -p "$E2E_DESKTOP/Projects"
    local name
    for name in Notes.txt Report.txt Отчёт.txt data.ini; do echo text >"$E2E_DESKTOP/$name"; done
}

# e2e_launch DIR LOG: starts DIR/Orvela.exe with DIR as its working folder;
# sets E2E_PID. The program gets at most 240 s (a test's ctest limit is 300).
e2e_launch() {
    (cd "$1" && exec timeout 240 wine ./Orvela.exe) >"$2" 2>&1 </dev/null &
    E2E_PID=$!
    E2E_PIDS="$E2E_PIDS $E2E_PID"
}

# e2e_first_window REGEX: prints the id of a mapped window whose title
# matches; fails when there is none.
e2e_first_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; }

# e2e_window REGEX [SECONDS]: prints the id of a mapped window whose title
# matches, waiting for it (60 s unless given); fails after that. A program's
# first window gets 120 s: after the server of the test before ended, Wine
# starts its services again first, which takes far longer on a busy machine.
e2e_window() { e2e_wait_for "${2:-60}" e2e_first_window "$1"; }

# e2e_visible_count REGEX: how many mapped windows have a matching title now.
e2e_visible_count() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l
}

# e2e_gone REGEX: no mapped window has a matching title.
e2e_gone() { [ "$(e2e_visible_count "$1")" -eq 0 ]; }

# e2e_ended PID: the process has ended.
e2e_ended() { ! kill -0 "$1" 2>/dev/null; }

# e2e_wait_exit PID SECONDS: waits for the process to end; its exit status,
# or 255 if it was still running (it is then killed).
e2e_wait_exit() {
    if ! e2e_wait_for "$2" e2e_ended "$1"; then
        kill "$1" 2>/dev/null
        return 255
    fi
    wait "$1"
}

# e2e_pixel FILE X Y: "R G B" of one pixel of a picture file.
e2e_pixel() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 rgb:- | od -An -tu1 | tr -s ' ' | sed 's/^ //'
}

# e2e_close "R G B" "R G B" TOLERANCE: the colours differ by at most
# TOLERANCE in every channel (JPEG decoders differ a little).
e2e_close() {
    echo "$1 $2" | awk -v t="$3" '{
        for (i = 1; i <= 3; i++) { d = $i - $(i + 3); if (d < 0) d = -d; if (d > t) exit 1 }
    }'
}

# e2e_screen_shows SHOT REFERENCE OFFSET_X OFFSET_Y X1 Y1 [X2 Y2 ...]: at each
# point (in REFERENCE's pixels) the screenshot, shifted by the offset, shows
# the reference picture.
e2e_screen_shows() {
    local shot=$1 reference=$2 ox=$3 oy=$4 want got
    shift 4
    while [ $# -ge 2 ]; do
        want=$(e2e_pixel "$reference" "$1" "$2")
        got=$(e2e_pixel "$shot" $(($1 + ox)) $(($2 + oy)))
        e2e_close "$want" "$got" 24 || return 1
        shift 2
    done
}

# e2e_composition W H: how the main window's 1024 x 768 design fits a W x H
# screen: its height at its scale (768 s, s = min(H / 768, W / 1024)), and
# its left and top on the screen, in pixels.
e2e_composition() {
    awk -v w="$1" -v h="$2" 'BEGIN { d = h; if (w * 0.75 < d) d = w * 0.75;
        printf "%s %d %d\n", d, (w - d * 4 / 3) / 2, (h - d) / 2 }'
}

# e2e_background HEIGHT: the background picture the layout takes for the
# design's height at its scale.
e2e_background() {
    awk -v h="$1" 'BEGIN { b = "Fon1024.jpg"; if (h <= 650) b = "Fon800.jpg";
        if (h > 820 && h < 1000) b = "Fon1152.jpg"; if (h > 1000) b = "Fon1600.jpg"; print b }'
}

# e2e_scaled_art FILE HEIGHT OUT: the picture FILE as the window draws it
# over the design's area HEIGHT pixels high.
e2e_scaled_art() {
    convert "$1" -resize "$(awk -v h="$2" 'BEGIN { printf "%dx%d!", h * 4 / 3 + 0.5, h }')" "$3"
}

# e2e_shot FILE: a screenshot of the whole screen.
e2e_shot() { import -window root "$1" 2>/dev/null; }

# e2e_shot_shows FILE REFERENCE OFFSET_X OFFSET_Y POINTS...: a screenshot
# that shows the reference picture at the points.
e2e_shot_shows() { e2e_shot "$1" && e2e_screen_shows "$@"; }

# e2e_shot_colour FILE "R G B" X1 Y1 [X2 Y2 ...]: a screenshot in which every
# point shows the colour.
e2e_shot_colour() {
    local file=$1 colour=$2
    shift 2
    e2e_shot "$file" || return 1
    while [ $# -ge 2 ]; do
        e2e_close "$colour" "$(e2e_pixel "$file" "$1" "$2")" 24 || return 1
        shift 2
    done
}

# e2e_screenshot_until FILE REFERENCE OFFSET_X OFFSET_Y POINTS...: takes
# screenshots until the picture is on screen (at most 30 s); the last one
# stays in FILE.
e2e_screenshot_until() { E2E_POLL=0.3 e2e_wait_for 30 e2e_shot_shows "$@"; }

# e2e_screenshot_until_colour FILE "R G B" X1 Y1 [X2 Y2 ...]: takes
# screenshots until every point shows the colour (at most 30 s).
e2e_screenshot_until_colour() { E2E_POLL=0.3 e2e_wait_for 30 e2e_shot_colour "$@"; }

# e2e_region_differs A B REGION: how many pixels of the region (WxH+X+Y)
# differ between two pictures.
e2e_region_differs() { compare -metric AE -crop "$3" "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

# e2e_point X Y: moves the pointer there and waits until it is there
# (mousemove --sync waits for a move, so not when it is there already).
e2e_point() {
    [ "$(xdotool getmouselocation | awk '{ print $1, $2 }')" = "x:$1 y:$2" ] ||
        timeout 10 xdotool mousemove --sync "$1" "$2"
}

# e2e_click X Y: a left click at screen pixel (X, Y). Between the pointer's
# arrival and the press a short settle stays: Wine turns the motion into
# the program's mouse-move and hit-test work in its own time, and nothing
# on the screen shows when that is done.
e2e_click() { e2e_point "$1" "$2" && sleep 0.2 && xdotool click 1; }
