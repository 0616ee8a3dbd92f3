#!/usr/bin/env bash
# Usage: dll_check.sh OBJDUMP COMPILER PATH...
#        dll_check.sh OBJDUMP --late EXE DLL...
# Every .exe named, or found in a folder named, imports Windows' own DLLs
# alone, so that it runs copied anywhere by itself. The check first proves
# that it sees a foreign DLL: the compiler's own libstdc++-6.dll imports two.
# With --late: EXE loads none of the DLLs named at its start, only at the
# first call of one of their functions; it loads the first one so, which
# proves that the check reads what is loaded late.
set -euo pipefail
objdump=$1
compiler=$2
shift 2
windows='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|oleacc|winspool\.drv|shlwapi|uxtheme|bcrypt|rpcrt4|ws2_32|crypt32|imm32|version|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)(\.dll)?$'

# The DLLs FILE loads at its start.
loaded_at_start() {
  "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]'
}

# The bytes at VMA .. VMA+COUNT of FILE, as hex digits.
hex_at() {
  "$objdump" -s --start-address=$(($2)) --stop-address=$(($2 + $3)) "$1" |
    sed -n 's/^ [0-9a-f]\{8,\} \(.\{35\}\).*/\1/p' | tr -d ' \n'
}

# The DLLs FILE loads at the first call of one of their functions. MinGW's
# delay-load import libraries (cmake/delay_load.cmake) leave the header's
# delay import directory empty: each descriptor is found by its symbol, and
# its second word is the RVA of the DLL's name. Prints "?" for a descriptor
# whose name cannot be read, which no Windows DLL is called.
delay_loaded() {
  local file=$1 base address word name
  base=$((16#$("$objdump" -p "$file" | awk '$1 == "ImageBase" { print $2 }')))
  for address in $("${objdump%objdump}nm" "$file" | awk '$3 ~ /^__DELAY_IMPORT_DESCRIPTOR_/ { print $1 }'); do
    word=$(hex_at "$file" "16#$address + 4" 4)
    name=$(printf %b "$(hex_at "$file" "$base + 16#${word:6:2}${word:4:2}${word:2:2}${word:0:2}" 64 |
      sed 's/../\\x&/g')" | tr '\0' '\n' | head -n 1)
    echo "${name:-?}" | tr '[:upper:]' '[:lower:]'
  done
}

# The DLLs FILE imports that are not Windows' own, one a line, whether
# loaded at its start or at a first call.
foreign() {
  { loaded_at_start "$1"; delay_loaded "$1"; } | grep -Ev "$windows" || true
}

if [ "$compiler" = --late ]; then
  program=$1
  shift
  at_start=$(loaded_at_start "$program")
  late=$(delay_loaded "$program")
  if ! grep -qx "$1" <<<"$late"; then
    echo "$(basename "$program") does not load $1 late, only: $(tr '\n' ' ' <<<"$late")" >&2
    exit 1
  fi
  for dll in "$@"; do
    if grep -qx "$dll" <<<"$at_start"; then
      echo "$(basename "$program") loads $dll at its start" >&2
      exit 1
    fi
  done
  echo "$(basename "$program") loads $* only when first called"
  exit 0
fi

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
