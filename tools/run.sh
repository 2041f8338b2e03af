#!/usr/bin/env bash
# Builds Orvela.exe and runs it under Wine from an installed-style folder.
# With a display it runs there until you exit it; without one it starts
# Xvfb, shows the desktop for a few seconds and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
cmake -S . -B build/dist64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
      -DORVELA_MINGW_THREADS=win32 -DCMAKE_BUILD_TYPE=Release -DORVELA_TESTS=OFF >/dev/null
cmake --build build/dist64 --target Orvela -j2

ORVELA_BUILD=$PWD/build
# shellcheck source=tools/wine_env.sh
. tools/wine_env.sh
app=$ORVELA_BUILD/run/Orvela
rm -rf "$app"
mkdir -p "$app"
cp build/dist64/Orvela.exe "$app/"
cp -f docs/shipped/*.TXT "$app/" 2>/dev/null || true

if [ -n "${DISPLAY:-}" ]; then
    wine "$app/Orvela.exe"
    exit 0
fi

orvela_start_display 1024x768
trap orvela_stop_display EXIT
wine "$app/Orvela.exe" &
sleep "${ORVELA_SHOW_SECONDS:-8}"
shot=$ORVELA_BUILD/run/screenshot.png
import -window root "$shot"
echo "Screenshot of the Orvela desktop: $shot"
