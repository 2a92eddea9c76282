#!/usr/bin/env bash
# Configures and builds into build/ (or $SHAGAIKA_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SHAGAIKA_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
