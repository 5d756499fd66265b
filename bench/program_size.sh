#!/usr/bin/env bash
# Size of Modulix.exe as the windows preset builds it, against the goal of 1,024 KiB, and the
# DLLs it imports (they must all come with Windows: the program is one file on a bare system).
# Usage: bench/program_size.sh [MODULIX_EXE]
# Default: builds the windows preset's Modulix target and measures build/windows/src/ui/Modulix.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
goal_kib=1024
# What a bare Windows has; anything else (libstdc++-6.dll, libgcc_s_seh-1.dll,
# libwinpthread-1.dll, ...) would have to travel with the program.
windows_dlls="advapi32 comctl32 comdlg32 gdi32 kernel32 msvcrt netapi32 ole32 oleaut32 shell32
  shlwapi user32 uxtheme version winspool ws2_32 msimg32 crypt32 bcrypt secur32 wbemuuid"

exe=${1:-}
if [ -z "$exe" ]; then
  (cd "$root" && cmake --preset windows >/dev/null && cmake --build build/windows --target Modulix >/dev/null)
  exe=$root/build/windows/src/ui/Modulix.exe
fi
[ -f "$exe" ] || { echo "program_size: $exe is missing" >&2; exit 1; }

bytes=$(stat -c %s "$exe")
kib=$(( bytes / 1024 ))
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sed 's/\.dll$//' | sort -u)
foreign=
for dll in $imports; do
  case " $(echo $windows_dlls) " in *" $dll "*) ;; *) foreign="$foreign $dll" ;; esac
done

echo "program: $exe"
echo "size: $kib KiB ($bytes bytes) against the goal of at most $goal_kib KiB"
echo "imports: $(echo $imports)"
echo "imports outside Windows:${foreign:- none}"
if [ "$bytes" -le $((goal_kib * 1024)) ]; then
  echo "size: within the goal, $((goal_kib - kib)) KiB to spare"
else
  echo "size: over the goal by $((kib - goal_kib)) KiB"
fi
