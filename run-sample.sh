#!/usr/bin/env bash
# run-sample.sh -- builds the libraries and hosts, converts a bundled Word document and walks network
# resources with them: natively, then (where the cross toolchain and Wine are installed) as the real
# Windows DLLs under Wine
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-dependencies.sh --minimal

sample=tests/data/rtf/word-license-01.rtf
fonts() { grep -oE '\{\\f[0-9]+\\f[a-z]+[^;]*;\}' "$1" | head -n 4; }

native=build/sample
cmake -S . -B "$native" -DPANSTRIP_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$native" -j2 >/dev/null

echo "== $sample: $(wc -c <"$sample") bytes; its first font-table entries:"
fonts "$sample"
echo
echo "== panstrip-convert $sample $native/word-license-95.rtf"
set +e
"$native"/bin/panstrip-convert "$sample" "$native/word-license-95.rtf" >"$native/trace.txt" 2>"$native/result.txt"
status=$?
set -e
cat "$native/result.txt"
echo "exit status $status; $(wc -c <"$native/trace.txt") bytes traced to standard output (kept in $native/trace.txt)"
echo
echo "== $native/word-license-95.rtf: $(wc -c <"$native/word-license-95.rtf") bytes; the same entries without their panose groups:"
fonts "$native/word-license-95.rtf"
echo
echo "== lanwalk-list: the network file systems this machine has mounted"
"$native"/bin/lanwalk-list >"$native/mounts.txt" || true
if [ -s "$native/mounts.txt" ]; then cat "$native/mounts.txt"; else echo "(none)"; fi
echo
echo "== lanwalk-list over the example mount table samples/mounts.txt"
STANDIN_MOUNTS=samples/mounts.txt "$native"/bin/lanwalk-list

if ! command -v i686-w64-mingw32-g++-posix >/dev/null || ! command -v wine >/dev/null; then
    echo
    echo "(./run-tests.sh installs the cross toolchain and Wine; then this also runs the Windows DLLs)"
    exit 0
fi
windows=build/sample-win32
wine_run() { cmake/wine-run.sh "$PWD/$windows/wineprefix" "$@"; }
cmake -S . -B "$windows" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$windows" -j2 --target panstrip-convert lanwalk-list lanwalk_register_provider >/dev/null
echo
echo "== under Wine: panstrip-convert.exe --ordinal $sample (panstrip.dll bound by ordinal 2)"
wine_run "$windows"/bin/panstrip-convert.exe --ordinal "$sample" "$windows/word-license-95.rtf" >/dev/null
if cmp -s "$native/word-license-95.rtf" "$windows/word-license-95.rtf"; then
    echo "the DLL's copy is identical to the native one"
else
    echo "the DLL's copy differs from the native one"
fi
echo
echo "== under Wine: lanwalk-list.exe over the project's test network provider, through the platform's router"
echo "(the names are ANSI bytes of code page 1252, converted here for the terminal)"
wine_run "$windows"/bin/lanwalk_register_provider.exe >/dev/null
wine_run "$windows"/bin/lanwalk-list.exe | tr -d '\r' | iconv -c -f CP1252 -t UTF-8 || true
wine_run "$windows"/bin/lanwalk_register_provider.exe --remove >/dev/null
