#!/usr/bin/env bash
# Builds everything and passes every test: native unit tests and driver
# scripts, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# the fuzz targets for 20 seconds each, the shipped Windows programs (i686 and
# x86_64, checked to load on Windows XP), the Windows tests under Wine and
# Xvfb for both (the end-to-end tests run the shipped programs), and the
# formatting check.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
jobs=2
started=$(date +%s)

echo "== format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== shipped texts"
bash tools/check_dist_texts.sh

echo "== native build and tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j$jobs
ctest --test-dir build/native --output-on-failure -j$jobs

echo "== no dropped result of a [[nodiscard]] platform call (clang)"
bash tools/check_nodiscard.sh build/native

echo "== native suite under AddressSanitizer and UndefinedBehaviorSanitizer (clang)"
# Any report aborts the test that made it (-fno-sanitize-recover=all).
CC=clang CXX=clang++ cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug \
      -DORVELA_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j$jobs
UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build/sanitize --output-on-failure -j$jobs

echo "== fuzz targets, 20 seconds each (clang, libFuzzer)"
bash tools/fuzz.sh --seconds 20

echo "== shipped programs: Windows i686 and x86_64, loadable on XP"
# The target dist builds the three programs and makes the shipping folder
# dist/ and its zip in each build folder.
cmake -S . -B build/dist32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake \
      -DORVELA_MINGW_THREADS=win32 -DCMAKE_BUILD_TYPE=Release -DORVELA_TESTS=OFF >/dev/null
cmake --build build/dist32 -j$jobs --target dist
cmake -S . -B build/dist64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
      -DORVELA_MINGW_THREADS=win32 -DCMAKE_BUILD_TYPE=Release -DORVELA_TESTS=OFF >/dev/null
cmake --build build/dist64 -j$jobs --target dist
for bits in 32 64; do
    bash tools/check_dist_texts.sh build/dist$bits/dist
done
tools/check_imports.sh i686-w64-mingw32-objdump build/dist32/dist/*.exe
tools/check_imports.sh x86_64-w64-mingw32-objdump build/dist64/dist/*.exe

echo "== Windows x86_64 build and tests under Wine"
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
      -DCMAKE_BUILD_TYPE=Release -DORVELA_E2E_DIST="$PWD/build/dist64/dist" >/dev/null
cmake --build build/win64 -j$jobs
ORVELA_BUILD=$PWD/build
# shellcheck source=tools/wine_env.sh
. tools/wine_env.sh
# Wine's recycle bin is the freedesktop trash: the tests get their own.
export XDG_DATA_HOME=$ORVELA_BUILD/wine-data
mkdir -p "$XDG_DATA_HOME"
orvela_start_display 1024x768
trap orvela_stop_display EXIT
# A persistent wine server makes each test process start in a fraction of a
# second; it answers 2 when one runs already.
wineserver -p || true
wineboot -i >/dev/null 2>&1 || true
ctest --test-dir build/win64 --output-on-failure -j1

echo "== Windows i686 build and tests under 32-bit Wine"
i686_began=$(date +%s)
# The test programs with the posix thread model (GoogleTest needs it); the
# end-to-end tests run the shipped programs of build/dist32.
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake \
      -DCMAKE_BUILD_TYPE=Release -DORVELA_E2E_DIST="$PWD/build/dist32/dist" >/dev/null
cmake --build build/win32 -j$jobs
if bash tools/runs_i386.sh &&
    dpkg-query -W -f='${Status}\n' wine32:i386 2>/dev/null | grep -qx 'install ok installed'; then
    began=$(date +%s)
    # A WoW64 prefix of its own: one made before wine32 came has no 32-bit half.
    wineserver -k >/dev/null 2>&1 || true
    export WINEPREFIX=$ORVELA_BUILD/wineprefix32
    wineserver -p || true
    wineboot -i >/dev/null 2>&1 || true
    ctest --test-dir build/win32 --output-on-failure -j1
    echo "== the i686 tests under Wine took $(($(date +%s) - began)) s"
else
    echo "== SKIPPED: this kernel runs no 32-bit x86 program (IA-32 emulation off), so 32-bit"
    echo "   Wine cannot start here; the i686 programs and their tests are built, not run"
fi
echo "== the i686 build and tests took $(($(date +%s) - i686_began)) s"
echo "== all tests passed in $(($(date +%s) - started)) s"
