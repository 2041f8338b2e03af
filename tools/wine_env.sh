# Sourced by the scripts: a private Wine prefix under the build folder, quiet
# output, UTF-8 file names, no menu entries for shortcuts, and an X display
# (a private Xvfb when none is set). Call orvela_stop_display at the end.
ORVELA_BUILD=${ORVELA_BUILD:-$PWD/build}
export WINEPREFIX=${WINEPREFIX:-$ORVELA_BUILD/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d}
export LANG=C.UTF-8
ORVELA_XVFB_PID=""

# orvela_start_display WxH: starts Xvfb on a free display number unless DISPLAY is set.
orvela_start_display() {
    if [ -n "${DISPLAY:-}" ]; then return 0; fi
    local n
    for n in $(seq 90 130); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 "${1:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
            ORVELA_XVFB_PID=$!
            export DISPLAY=":$n"
            for _ in $(seq 50); do
                xdpyinfo >/dev/null 2>&1 && return 0
                sleep 0.1
            done
            echo "Xvfb did not start on :$n" >&2
            return 1
        fi
    done
    echo "no free X display number" >&2
    return 1
}

orvela_stop_display() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$ORVELA_XVFB_PID" ]; then
        kill "$ORVELA_XVFB_PID" 2>/dev/null || true
        wait "$ORVELA_XVFB_PID" 2>/dev/null || true
        ORVELA_XVFB_PID=""
        unset DISPLAY
    fi
}
