#!/usr/bin/env bash
# Lists the C++ files that .clang-format would change, and fails when there are any.
#   scripts/check-format.sh          check every tracked .cpp and .h
#   scripts/check-format.sh --fix    reformat them in place
#   scripts/check-format.sh FILE...  check only these
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

# Another major version formats some constructs differently; the tree follows this one.
expected_major=14
version="$(clang-format --version)"
if [[ ! "$version" =~ version\ ${expected_major}\. ]]; then
    echo "clang-format ${expected_major} is expected, found: $version" >&2
    exit 1
fi

fix=0
if [ "${1:-}" = "--fix" ]; then
    fix=1
    shift
fi
if [ $# -gt 0 ]; then
    files=("$@")
else
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
fi

if [ "$fix" = 1 ]; then
    clang-format -i -- "${files[@]}"
    exit 0
fi

differing=()
for file in "${files[@]}"; do
    clang-format --dry-run -Werror -- "$file" >/dev/null 2>&1 || differing+=("$file")
done
if [ ${#differing[@]} -gt 0 ]; then
    printf '%s\n' "${differing[@]}"
    echo "${#differing[@]} of ${#files[@]} files differ from .clang-format; scripts/check-format.sh --fix reformats them" >&2
    exit 1
fi
echo "all ${#files[@]} files follow .clang-format"
