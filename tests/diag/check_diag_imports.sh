#!/bin/sh
# check_diag_imports.sh OBJDUMP DIAG_EXE
# diag.exe binds com.dll by export name: every com import is a name, and the
# program imports exactly the exports it calls.
set -eu
objdump=$1 exe=$2
imports=$("$objdump" -p "$exe" | awk '
    /DLL Name:/ { dll = $3; next }
    /^[ \t]*$/ { dll = ""; next }
    dll == "com.dll" && $1 ~ /^[0-9a-f]+$/ && NF >= 3 {
      if ($1 ~ /^8000/ && $3 == "<none>") print "ordinal " $2; else print "name " $3
    }' | sort | tr '\n' ' ')
expected="name Build_Secs2 name CloseCommunication name EmissionTrame name Extract_Next_Item name Genere_Header name InitCommunication name ReceptionTrame name UnBuild_Secs2 "
[ "$imports" = "$expected" ] || { echo "com.dll imports of diag.exe: $imports" >&2; exit 1; }
echo "diag.exe binds com.dll by name"
