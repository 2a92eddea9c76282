#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
build="${SHAGAIKA_BUILD_DIR:-$root/build}"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
