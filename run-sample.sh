#!/usr/bin/env bash
# run-sample.sh -- builds the libraries and hosts, converts a bundled Word document and walks the
# machine's network resources, showing what each step did
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-dependencies.sh --minimal

build=build/sample
cmake -S . -B "$build" -DPANSTRIP_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null

sample=tests/data/rtf/word-license-01.rtf
copy=$build/word-license-95.rtf
fonts() { grep -oE '\{\\f[0-9]+\\f[a-z]+[^;]*;\}' "$1" | head -n 4; }

echo "== $sample: $(wc -c <"$sample") bytes; its first font-table entries:"
fonts "$sample"
echo
echo "== panstrip-convert $sample $copy"
set +e
"$build"/bin/panstrip-convert "$sample" "$copy" >"$build/trace.txt" 2>"$build/result.txt"
status=$?
set -e
cat "$build/result.txt"
echo "exit status $status; $(wc -c <"$build/trace.txt") bytes traced to standard output (kept in $build/trace.txt)"
echo
echo "== $copy: $(wc -c <"$copy") bytes; the same entries without their panose groups:"
fonts "$copy"
echo
echo "== lanwalk-list: the network file systems this machine has mounted"
if [ -x "$build/bin/lanwalk-list" ]; then
    "$build"/bin/lanwalk-list || true
fi
