#!/bin/sh
# wine-run.sh PREFIX PROGRAM [ARGUMENT...] -- runs a Windows program under Wine in a private prefix
#
# The prefix lives in the build folder and is made on first use; the user's own prefix is never
# touched. No debug channels and no installer prompts for the runtimes Wine would otherwise offer.
set -e
prefix=$1
shift
WINEPREFIX=$prefix
WINEARCH=win32
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES
if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$(dirname "$prefix")"
    # Tests may start in parallel; one of them makes the prefix, the others wait for it.
    flock "$prefix.lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] || { wineboot --init && wineserver --wait; }' >/dev/null 2>&1
fi
exec wine "$@"
