#!/usr/bin/env bash
# Builds the editor and starts it on the bundled sample catalogs. Without a desktop session
# (or without the editor), shows what merix-cli does instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [ -x build/default/app/merix ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    cd catalogs
    exec ../build/default/app/merix
fi

if [ -x build/default/app/merix ]; then
    echo "The MERIX editor is a desktop program: it needs a desktop session, and this one has"
    echo "none (neither DISPLAY nor WAYLAND_DISPLAY is set). Run this script again from a"
    echo "terminal on your desktop, or log in with 'ssh -X'."
else
    echo "The editor was not built (Qt 6 is missing)."
fi
echo
echo "merix-cli needs no desktop and does much of the work:"
echo
cli=build/default/cli/merix-cli
"$cli" --help
out=$(mktemp -d)
echo
echo "For example, a new document holding the defaults of the sample catalogs, and its"
echo "command file with the whole configuration:"
echo
echo "\$ merix-cli new $out/MERX_1.MRX --catalogs catalogs"
"$cli" new "$out/MERX_1.MRX" --catalogs catalogs
echo "\$ merix-cli generate $out/MERX_1.MRX --catalogs catalogs --option all"
"$cli" generate "$out/MERX_1.MRX" --catalogs catalogs --option all
echo
echo "The first lines of $out/MERX_1.CMD:"
head -n 15 "$out/MERX_1.CMD"
