#!/usr/bin/env bash
# Checks that a shipped program loads on Windows XP: it imports only DLLs that
# Windows itself has, and none of the functions that came with Vista or later.
#   tools/check_imports.sh OBJDUMP PROGRAM.exe...
set -euo pipefail
objdump=$1
shift
allowed='^(ADVAPI32|COMCTL32|COMDLG32|GDI32|KERNEL32|MSIMG32|MSVCRT|OLE32|OLEAUT32|SHELL32|SHLWAPI|USER32|VERSION)\.DLL$'
newer='^(GetTickCount64|InitializeSRWLock|AcquireSRWLock.*|ReleaseSRWLock.*|TryAcquireSRWLock.*|InitializeConditionVariable|SleepConditionVariable.*|WakeAllConditionVariable|WakeConditionVariable|InitOnce.*|Fls(Alloc|Free|GetValue|SetValue)|GetFileInformationByHandleEx|SetFileInformationByHandle|GetFinalPathNameByHandle[AW]|CreateSymbolicLink[AW]|InitializeCriticalSectionEx|GetSystemTimePreciseAsFileTime|CompareStringEx|LCMapStringEx|GetLocaleInfoEx|GetUserDefaultLocaleName|SHGetKnownFolderPath|SetProcessDPIAware|SetProcessDpiAwareness.*|GetDpiForWindow)$'
status=0
for exe in "$@"; do
    dlls=$("$objdump" -p "$exe" | awk '/DLL Name:/ {print toupper($3)}')
    for dll in $dlls; do
        if ! [[ $dll =~ $allowed ]]; then
            echo "$exe: imports $dll, which Windows does not have"
            status=1
        fi
    done
    functions=$("$objdump" -p "$exe" | awk '/DLL Name:/ {inside=1; next} inside && NF >= 2 && $1 ~ /^[0-9a-f]+$/ {print $NF}')
    for f in $functions; do
        if [[ $f =~ $newer ]]; then
            echo "$exe: imports $f, which Windows XP lacks"
            status=1
        fi
    done
done
[ $status -eq 0 ] && echo "imports fit Windows XP: $*"
exit $status
