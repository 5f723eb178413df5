#!/usr/bin/env bash
# scripts/fuzz.sh SECONDS [TARGET...]: builds the libFuzzer targets with clang in build-fuzz/ (libraries
# instrumented, address and undefined-behaviour sanitizers on) and runs each target for SECONDS, then prints its
# runs, coverage (cov) and features (ft). Targets: engine letterfile idiom rtf encoding (all when none is named).
# Each runs on a working corpus in build-fuzz/corpus/TARGET, seeded from tests/fuzz/corpus/TARGET; a crash or a
# sanitizer report leaves its input in build-fuzz/findings/TARGET. DLX_FUZZ_PARALLEL=N runs N targets at once
# (default 1); DLX_JOBS sets the build's jobs.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
    echo "usage: scripts/fuzz.sh SECONDS [TARGET...]" >&2
    exit 2
fi
seconds=$1
shift
targets=("$@")
((${#targets[@]})) || targets=(engine letterfile idiom rtf encoding)
build=build-fuzz

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDLX_FUZZ=ON >/dev/null
cmake --build "$build" -j"${DLX_JOBS:-2}" --target "${targets[@]/%/_fuzz}"

run() {
    local t=$1 corpus=$build/corpus/$1 findings=$build/findings/$1
    mkdir -p "$corpus" "$findings"
    cp -n tests/fuzz/corpus/"$t"/* "$corpus"/ 2>/dev/null || true
    local status=0
    "$build"/tests/"$t"_fuzz "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings"/ >"$build/$t.log" 2>&1 || status=$?
    local last runs
    last=$(grep -E '^#[0-9]+' "$build/$t.log" | tail -n 1)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/$t.log")
    printf '%-11s %6ss  runs %-10s cov %-6s ft %-6s %s\n' "$t" "$seconds" "${runs:-?}" \
        "$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")" "$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")" \
        "$( ((status == 0)) && echo ok || echo "FAILED (exit $status, see $build/$t.log and $findings)")"
    return "$status"
}

failed=0
parallel=${DLX_FUZZ_PARALLEL:-1}
pids=()
for t in "${targets[@]}"; do
    run "$t" &
    pids+=($!)
    if ((${#pids[@]} >= parallel)); then
        wait "${pids[0]}" || failed=1
        pids=("${pids[@]:1}")
    fi
done
for p in "${pids[@]}"; do
    wait "$p" || failed=1
done
exit "$failed"
