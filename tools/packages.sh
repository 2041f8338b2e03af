#!/usr/bin/env bash
# Installs what building, running and testing Orvela need on Debian 12. The
# Liberation fonts have the metrics of the Windows fonts the forms name, so
# Wine lays text out as Windows does. The sanitized suite and the fuzz
# targets need clang's runtimes (libclang-rt-14-dev: ASan, UBSan,
# libFuzzer); llvm-14 symbolizes their reports and measures coverage.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
    cmake make g++ git ca-certificates \
    googletest libgtest-dev clang-format clang libclang-rt-14-dev llvm-14 \
    mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
    g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32 \
    wine wine64 xvfb xauth imagemagick xdotool x11-utils procps \
    librsvg2-bin fonts-dejavu-core fonts-liberation libimage-exiftool-perl zip >/dev/null
