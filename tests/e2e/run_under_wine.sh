#!/bin/bash
# Runs a Windows test program under Wine on a display of its own.
#   run_under_wine.sh PROGRAM.exe [ARGS...]
. "$(dirname "$0")/lib.sh"
e2e_begin "$(basename "$1" .exe)" 1024x768
timeout 240 wine "$@"
