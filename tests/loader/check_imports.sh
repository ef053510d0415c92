#!/bin/sh
# check_imports.sh OBJDUMP VELK_KT_EXE VELK2_DLL
# Velk_KT must import com.dll by ordinal only (1 2 3 5 7 8 9) and VELK2.dll by
# the names Velk and SetNumeroUnique; VELK2.dll must export those plain names.
set -eu
objdump=$1 exe=$2 dll=$3
imports() {  # DLL: one import a line, "ordinal N" or "name X"
  "$objdump" -p "$exe" | awk -v want="$1" '
    /DLL Name:/ { dll = $3; next }
    /^[ \t]*$/ { dll = ""; next }
    dll == want && $1 ~ /^[0-9a-f]+$/ && NF >= 3 {
      if ($1 ~ /^8000/ && $3 == "<none>") print "ordinal " $2; else print "name " $3
    }' | sort
}
com=$(imports com.dll | tr '\n' ' ')
[ "$com" = "ordinal 1 ordinal 2 ordinal 3 ordinal 5 ordinal 7 ordinal 8 ordinal 9 " ] ||
  { echo "com.dll imports: $com" >&2; exit 1; }
velk=$(imports VELK2.dll | tr '\n' ' ')
[ "$velk" = "name SetNumeroUnique name Velk " ] || { echo "VELK2.dll imports: $velk" >&2; exit 1; }
exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/^\t\[/ { print $NF }' | sort | tr '\n' ' ')
[ "$exports" = "SetNumeroUnique Velk " ] || { echo "VELK2.dll exports: $exports" >&2; exit 1; }
echo "imports and exports as expected"
