#!/usr/bin/env bash
# run-tests.sh -- installs what is missing, builds every configuration and runs every test
#
# native: Linux over the platform stand-in, with static analysis; asan: the same under the address and
# undefined-behaviour sanitizers; win32: the real DLLs, tested under Wine in a private prefix; fuzz: a
# short deterministic differential fuzzing run of the converter.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-dependencies.sh
for preset in native asan win32 fuzz; do
    if ! grep -q "\"name\": \"$preset\"" CMakePresets.json; then
        continue
    fi
    echo "=== $preset"
    cmake --workflow --preset "$preset"
done
