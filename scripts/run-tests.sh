#!/usr/bin/env bash
# Builds everything and runs the whole test suite, then builds it again with AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer and runs it once more.
#   scripts/run-tests.sh          both stages
#   scripts/run-tests.sh --quick  the normal build and tests only
set -euo pipefail
cd "$(dirname "$0")/.."

quick=0
case "${1:-}" in
    --quick) quick=1 ;;
    "") ;;
    *) echo "usage: scripts/run-tests.sh [--quick]" >&2; exit 2 ;;
esac

scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default -j2

if ((!quick)); then
    start=$SECONDS
    cmake --preset asan >/dev/null
    cmake --build --preset asan
    ctest --preset asan -j2
    echo "Sanitizer stage: $((SECONDS - start)) s"
fi
