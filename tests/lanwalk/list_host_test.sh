#!/bin/sh
# list_host_test.sh SCRATCH PLATFORM HOST [RUNNER...] -- runs lanwalk-list as a user would
#
# PLATFORM is "standin" (the host lists a fixed mount table through the stand-in router) or "windows"
# (the host lists the test network provider's entries through the platform's router). RUNNER (Wine's
# wrapper, for the Windows build) goes before HOST on every command line.
set -u
scratch=$1 platform=$2 host=$3
shift 3
rm -rf "$scratch" && mkdir -p "$scratch" || exit 1
failed=0
check() { # description, then a condition that must hold
    what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failed=1; fi
}
tab=$(printf '\t')
list() { # arguments for the host; rows to $scratch/out (line ends as on Unix), messages to $scratch/err
    "$@" >"$scratch/raw" 2>"$scratch/err"
    status=$?
    tr -d '\r' <"$scratch/raw" >"$scratch/out"
    return $status
}

if [ "$platform" = standin ]; then
    printf '%s\n' '/dev/sda1 / ext4 rw 0 0' '//srv/my\040share /mnt/a\011b cifs rw 0 0' \
        'server:/export /mnt/nfs nfs4 rw 0 0' >"$scratch/mounts"
    export STANDIN_MOUNTS="$scratch/mounts"
    list "$@" "$host"
    check "lists the network mounts (exit 0)" [ $status -eq 0 ]
    printf '0x1\t0x1\t0x3\t0x1\t/mnt/a\\011b\t//srv/my share\t(null)\tcifs\n0x1\t0x1\t0x3\t0x1\t/mnt/nfs\tserver:/export\t(null)\tnfs4\n' \
        >"$scratch/expected"
    check "one row per mount, control bytes escaped" cmp -s "$scratch/expected" "$scratch/out"
    list "$@" "$host" --global
    check "--global lists them too (exit 0)" [ $status -eq 0 ]
    check "--global rows have the whole network's scope" [ "$(cut -f1 "$scratch/out" | sort -u)" = 0x2 ]

    STANDIN_MOUNTS="$scratch/none" list "$@" "$host"
    check "no mounts lists nothing (exit 0)" [ $status -eq 0 ] && [ ! -s "$scratch/out" ]

    { printf '//big/'; head -c 70000 /dev/zero | tr '\0' 'x'; printf ' /mnt/big cifs rw 0 0\n'; } >"$scratch/big"
    STANDIN_MOUNTS="$scratch/big" list "$@" "$host"
    check "an entry over 64 KiB stops the walk (exit 1)" [ $status -eq 1 ]
    check "the result is given in words" grep -q "error 234: an entry needs more room" "$scratch/err"

    list "$@" "$host" --ordinal
    check "--ordinal cannot bind here (exit 3)" [ $status -eq 3 ]
    check "--ordinal says why" grep -q "ordinal 2" "$scratch/err"
else
    list "$@" "$host"
    check "lists the provider's entries (exit 0)" [ $status -eq 0 ]
    check "one row per entry" [ "$(wc -l <"$scratch/out")" -eq 4 ]
    check "first row in full" [ "$(head -n 1 "$scratch/out")" = \
        "0x1${tab}0x1${tab}0x3${tab}0x1${tab}Z:${tab}\\\\server\\share${tab}(null)${tab}Lanwalk Test Network" ]
    check "empty local name shown as \"\"" [ "$(sed -n 3p "$scratch/out" | cut -f5)" = '""' ]
    cp "$scratch/out" "$scratch/by-name"
    list "$@" "$host" --ordinal
    check "--ordinal lists the same (exit 0)" [ $status -eq 0 ]
    check "--ordinal rows are the same" cmp -s "$scratch/by-name" "$scratch/out"
fi

list "$@" "$host" --bogus
check "a bad argument gets the usage (exit 2)" [ $status -eq 2 ]
check "usage line shown" grep -q "usage: lanwalk-list" "$scratch/err"
list "$@" "$host" --help
check "--help explains the columns (exit 0)" [ $status -eq 0 ] && grep -q "(null)" "$scratch/out"
exit $failed
