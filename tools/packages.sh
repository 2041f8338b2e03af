#!/usr/bin/env bash
# Installs what building, running and testing Orvela need on Debian 12. The
# Liberation fonts have the metrics of the Windows fonts the forms name, so
# Wine lays text out as Windows does. The sanitized suite and the fuzz
# targets need clang's runtimes (libclang-rt-14-dev: ASan, UBSan,
# libFuzzer); llvm-14 symbolizes their reports and measures coverage.
# 32-bit Wine (wine32, of the i386 architecture) runs the i686 programs in
# WoW64 prefixes, where the kernel runs 32-bit programs. Safe to run again:
# what is there already stays.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
# A list that does not download (a mirror caught mid-sync) leaves the lists
# there were; the installs below fail if those do not suffice.
update() {
    $SUDO apt-get update -qq ||
        echo "packages.sh: some package lists did not download; going on with the others" >&2
}
update
$SUDO apt-get install -y -qq --no-install-recommends \
    cmake make g++ git ca-certificates \
    googletest libgtest-dev clang-format clang libclang-rt-14-dev llvm-14 \
    mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
    g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32 \
    wine wine64 xvfb xauth imagemagick xdotool x11-utils x11-xserver-utils procps \
    librsvg2-bin fonts-dejavu-core fonts-liberation libimage-exiftool-perl zip >/dev/null

# On a kernel that runs no 32-bit program, wine32 would run nothing and
# would break `wine` for 64-bit programs too (it then always starts the
# 32-bit loader first): leave it out there.
if ! bash tools/runs_i386.sh; then
    echo "packages.sh: this kernel runs no 32-bit x86 program (IA-32 emulation off);" \
        "32-bit Wine is not installed and the i686 programs do not run here" >&2
    exit 0
fi
if dpkg-query -W -f='${Status}\n' wine32:i386 2>/dev/null | grep -qx 'install ok installed'; then
    exit 0
fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    update
fi
# wine32 needs every multi-arch library in one version for both
# architectures. When the security suite offers a newer amd64 library than it
# (or its missing i386 list) offers for i386, the plain install cannot be
# solved: the point release then gives both architectures the same version,
# taking such an amd64 library back to it.
if ! $SUDO apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null; then
    echo "packages.sh: wine32 with the point release's libraries" >&2
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    prefs=$(mktemp)
    printf 'Package: *\nPin: release n=%s\nPin-Priority: 1001\n\n' \
        "$codename" "$codename-updates" >"$prefs"
    chmod a+r "$prefs"
    status=0
    $SUDO apt-get install -y -qq --no-install-recommends --allow-downgrades \
        -o Dir::Etc::Preferences="$prefs" wine32:i386 >/dev/null || status=$?
    rm -f "$prefs"
    [ $status -eq 0 ] || exit $status
fi
