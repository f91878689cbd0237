#!/bin/sh
# check_exports.sh OBJDUMP DLL EXPORT IMPORT... -- checks a DLL's export table and import list
#
# The DLL must export exactly EXPORT, undecorated, as its only entry at ordinal 2 with ordinal base 2,
# and import from exactly the DLLs named (case as the linker writes them), no others.
set -u
objdump=$1 dll=$2 name=$3
shift 3
table=$("$objdump" -p "$dll") || { echo "cannot read $dll"; exit 1; }
failed=0
fail() { echo "$(basename "$dll"): $*"; failed=1; }

echo "$table" | grep -q '^Ordinal Base[[:space:]]*2$' || fail "ordinal base is not 2"
echo "$table" | grep -q 'Export Address Table[[:space:]]*00000001$' || fail "export address table does not hold one entry"
echo "$table" | grep -q '\[Name Pointer/Ordinal\] Table[[:space:]]*00000001$' || fail "name table does not hold one entry"
echo "$table" | grep -Eq "^[[:space:]]*\[ *0\] \+base\[ *2\]" || fail "the entry is not at ordinal 2"
names=$(echo "$table" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^[[:space:]]*\[ *[0-9]*\] //p')
[ "$names" = "$name" ] || fail "exports '$names', expected '$name'"

imports=$(echo "$table" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort | tr '\n' ' ')
expected=$(printf '%s\n' "$@" | sort | tr '\n' ' ')
[ "$imports" = "$expected" ] || fail "imports '$imports', expected '$expected'"

[ $failed -eq 0 ] && echo "$(basename "$dll"): exports $name at ordinal 2 (base 2); imports $imports"
exit $failed
