#!/usr/bin/env bash
# build-msi.sh VERSION VENDOR INSTALLATION OUTPUT: packs the installation
# folder (bin/vimbracl.exe and what it loads) as an MSI package with wixl.
# The product code is derived from the version, so each version has one of
# its own and rebuilding a version gives it the same one.
set -euo pipefail
version=$1 vendor=$2 output=$(realpath "$4")
# wixl takes sources relative to the working folder only.
installation=$(realpath --relative-to=/ "$3")
here=$(realpath --relative-to=/ "$(dirname "${BASH_SOURCE[0]}")")
cd /
files=$(mktemp --suffix=.wxs)
trap 'rm -f "$files"' EXIT
(cd "$installation" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) \
    | wixl-heat -p "" --component-group InstalledFiles --var var.SourceDir --directory-ref INSTALLDIR --win64 >"$files"
product=$(python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID("5c1d6b3e-7a0f-4e38-9b2c-1f4d8a6e2b70"), sys.argv[1])).upper())' "$version")
wixl -a x64 -D Win64=yes -D SourceDir="$installation" -D Version="$version" -D ProductCode="$product" \
    -D Vendor="$vendor" -D Icon="$here/../../resources/vimbracl.ico" -o "$output" "$here/vimbracl.wxs" "$files"
