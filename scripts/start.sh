#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it on a bundled example task.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
build="${SHAGAIKA_BUILD_DIR:-$root/build}"
task="${1:-$root/examples/maze}"
cd "$task"
exec "$build/src/shagaika"
