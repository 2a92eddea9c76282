#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz/ and runs each for SECONDS (default 30).
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: the fuzz/fuzz_<name>.cpp names)
# New inputs that add coverage go to build-fuzz/corpus/<name>/ (the seeds in fuzz/corpus
# are only read); a crashing input is written to build-fuzz/findings/<name>/ and the
# script stops with an error. Findings of an earlier run are cleared first, so a run
# fails only for what it found itself. Copy a finding to fuzz/findings/<name>/ to keep it as a
# regression test (replay_<name> runs it in every build).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SHAGAIKA_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-30}"
shift || true

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DSHAGAIKA_FUZZ=ON -DSHAGAIKA_BUILD_TESTS=OFF -DSHAGAIKA_BUILD_BENCH=OFF >/dev/null

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for source in "$root"/fuzz/fuzz_*.cpp; do
        name="$(basename "$source" .cpp)"
        targets+=("${name#fuzz_}")
    done
fi

buildlog="$build/build.log"
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >"$buildlog" 2>&1 || {
    cat "$buildlog" >&2
    exit 1
}

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Short allocation stacks make the Qt-heavy targets a third faster; the replay tests of an
# ordinary sanitizer build give the full stacks of a finding.
export ASAN_OPTIONS="malloc_context_size=3"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    findings="$build/findings/$target"
    log="$build/fuzz_$target.log"
    rm -rf "$findings"
    mkdir -p "$corpus" "$findings"
    dict=()
    [ -f "$root/fuzz/$target.dict" ] && dict=(-dict="$root/fuzz/$target.dict")
    echo "== fuzz_$target for ${seconds}s (log: $log)"
    status=0
    "$build/fuzz/fuzz_$target" "${dict[@]}" -max_total_time="$seconds" -print_final_stats=1 \
        -timeout=25 -rss_limit_mb=2048 -max_len=8192 -artifact_prefix="$findings/" \
        "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added|stat::peak_rss_mb)' "$log" || true
    if [ "$status" -ne 0 ] || compgen -G "$findings/*" >/dev/null; then
        tail -n 60 "$log" >&2
        echo "fuzz_$target failed (exit $status); inputs in $findings:" >&2
        ls "$findings" >&2
        exit 1
    fi
done
