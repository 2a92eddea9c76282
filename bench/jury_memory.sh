#!/bin/sh
# The jury's memory and time on many files of endless loops: every file makes all 32 passes of
# the maze example (4 sizes x 8 arrangements of its three variable walls), each to the highlight
# limit. Usage: bench/jury_memory.sh [FILES] [RUNS] [LIMIT] [CHECKER]
#   FILES  pupils' files (default 1000)      RUNS     runs of each report format (default 3)
#   LIMIT  --limit, highlights per pass      CHECKER  the shagaika-check to measure
#          (default 20000; the jury's own default, 1000000, makes a file last seconds)
# For each of --report CSV, JSON and PDF prints the median over the runs of the checker's peak
# resident memory (/usr/bin/time -v) and of the wall time per file. Run it with 1,000 files and
# with 100 to see that neither grows with the number of files.
set -eu
files=${1:-1000}
runs=${2:-3}
limit=${3:-20000}
here=$(cd "$(dirname "$0")/.." && pwd)
checker=${4:-$here/build/src/shagaika-check}
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
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "$(nproc) cores, $(sed -n 's/^model name[^:]*: //p' /proc/cpuinfo | head -n 1); load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for report in csv json pdf; do
    : >"$work/peaks"
    : >"$work/times"
    run=1
    while [ "$run" -le "$runs" ]; do
        start=$(date +%s.%N)
        # The folder stands for its files: no wildcard, whatever the count.
        /usr/bin/time -v "$checker" --jury --task "$here/examples/maze" --time-limit 3600 --limit "$limit" \
            --report "$work/report.$report" "$work/works" >/dev/null 2>"$work/time.txt" || true
        end=$(date +%s.%N)
        sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt" >>"$work/peaks"
        echo "($end - $start) / $files" | bc -l >>"$work/times"
        run=$((run + 1))
    done
    printf '%s files, --report %s, %s runs: median peak RSS %.1f MB, median %.4f s per file (report %s KB)\n' \
        "$files" "$report" "$runs" "$(median <"$work/peaks" | awk '{ print $1 / 1024 }')" \
        "$(median <"$work/times")" "$(($(wc -c <"$work/report.$report") / 1024))"
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
