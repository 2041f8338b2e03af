#!/usr/bin/env bash
# Builds everything and passes every test: native unit tests and driver
# scripts, the Windows programs and their tests under Wine and Xvfb, the
# 32-bit Windows build, and the formatting check.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
jobs=2

echo "== format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== native build and tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j$jobs
ctest --test-dir build/native --output-on-failure -j$jobs

echo "== Windows i686 build"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake \
      -DCMAKE_BUILD_TYPE=Release -DORVELA_TESTS=OFF >/dev/null
cmake --build build/win32 -j$jobs

echo "== Windows x86_64 build and tests under Wine"
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win64 -j$jobs
ORVELA_BUILD=$PWD/build
# shellcheck source=tools/wine_env.sh
. tools/wine_env.sh
# Wine's recycle bin is the freedesktop trash: the tests get their own.
export XDG_DATA_HOME=$ORVELA_BUILD/wine-data
mkdir -p "$XDG_DATA_HOME"
orvela_start_display 1024x768
trap orvela_stop_display EXIT
wineboot -i >/dev/null 2>&1 || true
wineserver -p
ctest --test-dir build/win64 --output-on-failure -j1
