#!/bin/sh
# convert_host_test.sh SCRATCH SAMPLE HOST [RUNNER...] -- runs panstrip-convert as a user would
#
# RUNNER (Wine's wrapper, for the Windows build) goes before HOST on every command line.
set -u
scratch=$1 sample=$2 host=$3
shift 3
rm -rf "$scratch" && mkdir -p "$scratch" || exit 1
failed=0
check() { # description, then a condition that must hold
    what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failed=1; fi
}
"$@" "$host" "$sample" "$scratch/out.rtf" >"$scratch/trace" 2>"$scratch/err"
check "converts the sample (exit 0)" [ $? -eq 0 ]
check "reports success in words" grep -q "converted" "$scratch/err"
check "leaves no panose group" sh -c "! grep -q panose '$scratch/out.rtf'"
check "keeps the font names" grep -q "Times New Roman;}" "$scratch/out.rtf"
check "traces what it takes" [ -s "$scratch/trace" ]
check "output is shorter than the sample" [ "$(wc -c <"$scratch/out.rtf")" -lt "$(wc -c <"$sample")" ]

"$@" "$host" --no-trace "$sample" "$scratch/quiet.rtf" >"$scratch/quiet-trace" 2>/dev/null
check "--no-trace converts" [ $? -eq 0 ]
check "--no-trace traces nothing" [ ! -s "$scratch/quiet-trace" ]
check "--no-trace writes the same copy" cmp -s "$scratch/out.rtf" "$scratch/quiet.rtf"

"$@" "$host" "$scratch/missing.rtf" "$scratch/never.rtf" >/dev/null 2>"$scratch/err"
check "missing source fails (exit 1)" [ $? -eq 1 ]
check "missing source is named" grep -q "source cannot be opened" "$scratch/err"
check "missing source creates no destination" [ ! -e "$scratch/never.rtf" ]

cp "$sample" "$scratch/same.rtf"
"$@" "$host" "$scratch/same.rtf" "$scratch/same.rtf" >/dev/null 2>"$scratch/err"
check "destination that is the source is refused" [ $? -eq 1 ]
check "the source is left whole" cmp -s "$sample" "$scratch/same.rtf"

"$@" "$host" "$scratch/out.rtf" >/dev/null 2>"$scratch/err"
check "one path gets the usage (exit 2)" [ $? -eq 2 ]
check "usage line shown" grep -q "usage: panstrip-convert" "$scratch/err"
"$@" "$host" --bogus a b >/dev/null 2>&1
check "unknown option gets exit 2" [ $? -eq 2 ]

if [ "${BIND_BY_ORDINAL:-0}" = 1 ]; then
    "$@" "$host" --ordinal "$sample" "$scratch/ordinal.rtf" >/dev/null 2>&1
    check "--ordinal converts" [ $? -eq 0 ]
    check "--ordinal writes the same copy" cmp -s "$scratch/out.rtf" "$scratch/ordinal.rtf"
else
    "$@" "$host" "$sample" "$scratch/closed.rtf" >&- 2>/dev/null
    check "converts with standard output closed" [ $? -eq 0 ]
    check "same copy with standard output closed" cmp -s "$scratch/out.rtf" "$scratch/closed.rtf"
fi

[ $failed -eq 0 ] && echo "all host checks passed"
exit $failed
