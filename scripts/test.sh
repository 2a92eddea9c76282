#!/usr/bin/env bash
# Sets up the machine, checks the code's format, builds everything and runs every test:
# the suite in build/, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/, and a short run of each fuzz target in build-fuzz/.
#   SHAGAIKA_SANITIZERS=0     skips the sanitizer suite
#   SHAGAIKA_FUZZ_SECONDS=N   seconds per fuzz target (default 20; 0 skips fuzzing)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
bash "$root/scripts/setup.sh" --test
bash "$root/scripts/build.sh" -DSHAGAIKA_WERROR=ON
build="${SHAGAIKA_BUILD_DIR:-$root/build}"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")
# After the tests, so that a format slip does not hide their results.
bash "$root/scripts/check-format.sh"

seconds="${SHAGAIKA_FUZZ_SECONDS:-20}"
if [ "$seconds" != 0 ]; then
    echo "== each fuzz target for ${seconds}s"
    bash "$root/scripts/fuzz.sh" "$seconds"
fi

# The sanitizer suite runs last, so the run closes on the test runner's summary.
if [ "${SHAGAIKA_SANITIZERS:-1}" != 0 ]; then
    echo "== the test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
    asan="$root/build-asan"
    # -O1 keeps the instrumented tests quick; -g1 is enough for the reports' line numbers.
    cmake -S "$root" -B "$asan" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
        -DSHAGAIKA_SANITIZE=ON -DSHAGAIKA_WERROR=ON -DSHAGAIKA_BUILD_BENCH=OFF >/dev/null
    cmake --build "$asan" -j"$jobs"
    (cd "$asan" && QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1" \
        UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        ctest --output-on-failure -j"$jobs")
fi
