#!/usr/bin/env bash
# Fails when the logic drops the result of a [[nodiscard]] call. The platform
# interfaces' calls are virtual, and GCC does not warn for a virtual call
# whose [[nodiscard]] result is dropped (only for direct calls); clang does.
# So every source of the logic in the native build's compile database is
# checked once more by clang, for that warning alone.
# Usage: tools/check_nodiscard.sh [BUILD-DIR] (default build/native)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}
commands=$build/nodiscard_commands.txt
cmake -DCOMMANDS="$build/compile_commands.json" -DOUT="$commands" \
      -P tools/nodiscard_commands.cmake
test -s "$commands"
# One source a process, two at a time; any failure fails the check.
tr '\n' '\0' <"$commands" | xargs -0 -P2 -n1 bash -c
