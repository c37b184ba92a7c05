#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the desktop entries and the AppStream metainfo.
# Usage: validate_metadata.sh <metainfo.xml> <file.desktop>...
# Exits 77, which ctest reads as skipped, when a validator is not installed.
set -eu

if ! command -v desktop-file-validate >/dev/null || ! command -v appstreamcli >/dev/null; then
    echo "skipped: desktop-file-validate (desktop-file-utils) or appstreamcli (appstream) not installed"
    exit 77
fi

metainfo=$1
shift
status=0
for desktop in "$@"; do
    # Hints are advice; warnings and errors fail.
    out=$(desktop-file-validate "$desktop") || status=1
    [ -n "$out" ] && echo "$out"
    if echo "$out" | grep -Eq ': (warning|error): '; then
        status=1
    fi
done
# --no-net: the checks that fetch URLs cannot run offline.
appstreamcli validate --no-net "$metainfo" || status=1
exit $status
