#!/usr/bin/env bash
# install-dependencies.sh [--minimal] -- installs the Debian packages the builds and tests need
#
# Only what is missing is installed. --minimal is enough for the native build and the sample.
set -euo pipefail

packages=(cmake make g++)
if [ "${1:-}" != "--minimal" ]; then
    packages+=(googletest clang clang-tidy libclang-rt-14-dev g++-mingw-w64-i686 wine wine32:i386)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
