#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) for SECONDS each, with seed corpora made from
# the shipped catalogs. Exits non-zero when any target finds a crash, leak, overflow,
# undefined behaviour or broken round trip; the input is kept in build/fuzz/findings.
#   fuzz/run.sh SECONDS [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

if (($# < 1)) || ! [[ $1 =~ ^[0-9]+$ ]]; then
    echo "usage: fuzz/run.sh SECONDS [TARGET...]" >&2
    exit 2
fi
seconds=$1
shift
all_targets=(fuzz_line_reader fuzz_catalog fuzz_lookup_list fuzz_document fuzz_upload_settings
             fuzz_command_lines fuzz_link_answers fuzz_telnet fuzz_diff
             fuzz_explained_command_file fuzz_history_entry)
targets=("${@:-${all_targets[@]}}")

build=build/fuzz
mkdir -p "$build"
# Two runs at once (one per core) share the build; the lock keeps their builds apart.
(
    flock 9
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz --target merix_fuzz -- -j2 >/dev/null
) 9>"$build/.run.lock"
mkdir -p "$build/findings" "$build/logs"

# The targets write their inputs to files; keep those in memory when we can.
scratch_root=/dev/shm
[[ -d $scratch_root && -w $scratch_root ]] || scratch_root=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$scratch_root/merix-fuzz-run.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
seeds=$scratch/seeds
"$build/fuzz/fuzz_seeds" "$seeds"

status=0
printf '%-22s %8s %12s %8s %6s  %s\n' target seconds executions exec/s cov result
for t in "${targets[@]}"; do
    bin=$build/fuzz/$t
    if [[ ! -x $bin ]]; then
        echo "$t: not built" >&2
        status=1
        continue
    fi
    corpus=$build/corpus/$t
    mkdir -p "$corpus" "$seeds/$t"
    dict=()
    [[ -f fuzz/$t.dict ]] && dict=(-dict="fuzz/$t.dict")
    log=$build/logs/$t.log
    result=ok
    if ! TMPDIR=$scratch "$bin" -max_total_time="$seconds" -print_final_stats=1 \
            -timeout=20 -rss_limit_mb=2048 -artifact_prefix="$build/findings/$t-" \
            "${dict[@]}" "$corpus" "$seeds/$t" >"$log" 2>&1; then
        result="FINDING (see $log)"
        status=1
    fi
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n1 | cut -d' ' -f2 || true)
    printf '%-22s %8s %12s %8s %6s  %s\n' "$t" "$seconds" "${execs:--}" "${rate:--}" "${cov:--}" "$result"
done
exit $status
