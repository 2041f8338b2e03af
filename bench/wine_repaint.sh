#!/bin/bash
# The repaint benchmark under Wine on an Xvfb display of its own at 1024x768.
#   wine_repaint.sh bench_repaint.exe [WORK_DIR] [ITEMS]
set -u
exe=$(readlink -f "$1")
work=${2:-$(pwd)/wine-repaint}
mkdir -p "$work"
ORVELA_BUILD=$work
cd "$(dirname "$0")/.." || exit 1
# shellcheck source=tools/wine_env.sh
. tools/wine_env.sh
unset DISPLAY
orvela_start_display 1024x768 || exit 1
trap orvela_stop_display EXIT
wineserver -p 2>/dev/null
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
wine "$exe" "${3:-100}"
