#!/usr/bin/env bash
# Exits 0 when this kernel runs 32-bit x86 programs, which 32-bit Wine needs
# (its loader is one). Some virtual machines' kernels run 64-bit code only:
# starting an i386 program fails there with "Exec format error". The probe
# is a static i386 program of one system call (exit 0), built by gcc.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'void _start(void) { __asm__ volatile("movl $1, %%eax\\n\\txorl %%ebx, %%ebx\\n\\tint $0x80"); }\n' \
    >"$dir/probe.c"
gcc -m32 -nostdlib -static -o "$dir/probe" "$dir/probe.c" 2>/dev/null || exit 1
"$dir/probe" 2>/dev/null
