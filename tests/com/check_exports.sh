#!/bin/sh
# check_exports.sh OBJDUMP DLL [EXE]: the export table holds exactly the 11 exports at
# their ordinals; EXE, when given, imports from com.dll by ordinal only.
set -eu
expected="1 InitCommunication
2 CloseCommunication
3 ChangeBaud
4 ChangeProtocole
5 EmissionTrame
6 EmissionTrameVST
7 ReceptionTrame
8 Genere_Header
9 UnBuild_Secs2
10 Extract_Next_Item
11 Build_Secs2"
table=$("$1" -p "$2")
base=$(echo "$table" | sed -n 's/^Ordinal Base[[:space:]]*\([0-9]*\).*/\1/p')
actual=$(echo "$table" | sed -n '/Ordinal\/Name Pointer/,/^$/p' |
  sed -n 's/^[[:space:]]*\[[[:space:]]*\([0-9]*\)\][[:space:]]*\([A-Za-z_0-9]*\)$/\1 \2/p' |
  while read -r index name; do echo "$((index + base)) $name"; done | sort -n)
if [ "$actual" != "$expected" ]; then
  echo "exports of $2 differ:"; echo "$actual"; exit 1
fi
echo "$2: 11 exports at their ordinals"
[ $# -lt 3 ] && exit 0
imports=$("$1" -p "$3" | sed -n '/DLL Name: com.dll/,/^$/p' | tail -n +3 | grep -v '^[[:space:]]*$')
if [ -z "$imports" ] || echo "$imports" | grep -qv '^[[:space:]]*8000'; then
  echo "$3 does not bind com.dll by ordinal only:"; echo "$imports"; exit 1
fi
echo "$3: $(echo "$imports" | wc -l) imports from com.dll, all by ordinal"
