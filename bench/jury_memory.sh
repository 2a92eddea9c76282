#!/bin/sh
# The jury's memory on many files of endless loops: every file makes all 32 passes of the maze
# example run to the highlight limit. Usage: bench/jury_memory.sh [FILES] [CHECKER]
# Prints the checker's peak resident memory and the time per file; run it with 1,000 files
# and with fewer to see that neither grows with the number of files.
set -eu
files=${1:-1000}
here=$(cd "$(dirname "$0")/.." && pwd)
checker=${2:-$here/build/src/shagaika-check}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/works"
i=1
while [ "$i" -le "$files" ]; do
    # A ping-pong between two walls: ШАГ forever, never a crash.
    printf 'АЛГОРИТМ ПУТЬ_%d\r\n    Дано: Исполнитель в т.А\r\n    Надо: Исполнитель в т.Б\r\nНАЧ\r\n    ПОКА впереди НЕ стена\r\n    НЦ\r\n        ПОКА впереди НЕ стена\r\n        НЦ\r\n            ШАГ\r\n        КЦ\r\n        ПОВОРОТ\r\n        ПОВОРОТ\r\n    КЦ\r\nКОН\r\n' "$i" \
        | iconv -f UTF-8 -t CP1251 >"$work/works/$(printf 'p%05d' "$i").txt"
    i=$((i + 1))
done
for report in csv json pdf; do
    start=$(date +%s.%N)
    /usr/bin/time -v "$checker" --jury --task "$here/examples/maze" --time-limit 3600 \
        --report "$work/report.$report" "$work"/works/*.txt >/dev/null 2>"$work/time.txt" || true
    end=$(date +%s.%N)
    peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
    echo "$files files, --report $report: peak RSS $((peak / 1024)) MB," \
        "$(echo "($end - $start) / $files" | bc -l | cut -c1-5) s per file"
done
