#!/usr/bin/env bash
# Checks the three text files that ship beside the programs: each exists, is
# not empty, ends every line (the last one too) with CR LF, and holds only
# printable ASCII and tabs. Prints nothing and exits 0 when all is well.
#   tools/check_dist_texts.sh [DIR]      (DIR defaults to resources/dist)
set -euo pipefail
export LC_ALL=C
dir=${1:-$(dirname "$0")/../resources/dist}
status=0
fail() {
    echo "$1: $2" >&2
    status=1
}
for name in LICENSE.TXT ORDER.TXT ReadMe.TXT; do
    f=$dir/$name
    if [[ ! -f $f ]]; then
        fail "$f" "missing"
        continue
    fi
    if [[ ! -s $f ]]; then
        fail "$f" "empty"
        continue
    fi
    lines=$(grep -ac '' "$f" || true)
    crlf=$(grep -ac $'\r$' "$f" || true)
    if ((crlf != lines)) || [[ $(tail -c 1 "$f" | od -An -tx1 | tr -d ' ') != 0a ]]; then
        fail "$f" "a line does not end in CR LF"
    fi
    if grep -aq $'\r.' "$f"; then
        fail "$f" "a bare CR inside a line"
    fi
    if grep -aq $'[^\t\r -~]' "$f"; then
        fail "$f" "a byte that is not printable ASCII"
    fi
done
exit $status
