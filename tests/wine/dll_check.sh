#!/usr/bin/env bash
# Usage: dll_check.sh OBJDUMP COMPILER PATH...
# Every .exe named, or found in a folder named, imports Windows' own DLLs
# alone, so that it runs copied anywhere by itself. The check first proves
# that it sees a foreign DLL: the compiler's own libstdc++-6.dll imports two.
set -euo pipefail
objdump=$1
compiler=$2
shift 2
windows='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|oleacc|winspool\.drv|shlwapi|uxtheme|bcrypt|rpcrt4|ws2_32|crypt32|imm32|version|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)(\.dll)?$'

# The DLLs FILE imports that are not Windows' own, one a line.
foreign() {
  "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | grep -Ev "$windows" || true
}

probe=$("$compiler" -print-file-name=libstdc++-6.dll)
if [ "$(foreign "$probe")" != $'libgcc_s_seh-1.dll\nlibwinpthread-1.dll' ]; then
  echo "the check does not see what $probe imports: $(foreign "$probe" | tr '\n' ' ')" >&2
  exit 1
fi

files=()
for path in "$@"; do
  if [ -d "$path" ]; then
    files+=("$path"/*.exe)
  else
    files+=("$path")
  fi
done
status=0
for file in "${files[@]}"; do
  [ -f "$file" ] || { echo "no such program: $file" >&2; status=1; continue; }
  dlls=$(foreign "$file")
  if [ -n "$dlls" ]; then
    echo "$(basename "$file") needs DLLs that Windows lacks: $(echo "$dlls" | tr '\n' ' ')" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "${#files[@]} programs import Windows' own DLLs alone"
exit "$status"
