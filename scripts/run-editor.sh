#!/usr/bin/env bash
# Builds the editor and starts it on the bundled sample catalogs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
cd catalogs
exec ../build/default/app/merix
