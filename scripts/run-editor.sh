#!/usr/bin/env bash
# Builds the editor and starts it on the bundled sample catalogs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [ -x build/default/app/merix ]; then
    cd catalogs
    exec ../build/default/app/merix
fi
# Without the editor, show what the catalogs make: a new document of their defaults.
out=$(mktemp -d)
build/default/cli/merix-cli new "$out/MERX_1.MRX" --catalogs catalogs
echo "Created $out/MERX_1.MRX with its .REF and .INI copies:"
head -n 40 "$out/MERX_1.MRX"
