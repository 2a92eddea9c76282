#!/bin/sh
# Resident memory of the desktop program as a pupil has it with the maze open: started in the
# task folder, "Старт", a team's name, "Готово", then "Начать" in the work window's menu bar.
# Usage: DISPLAY=:N bench/maze_memory.sh [RUNS] [PROGRAM] [FOLDER]
#   RUNS     fresh starts of the program (default 5)
#   PROGRAM  the shagaika to measure (default build/src/shagaika)
#   FOLDER   the task folder it starts in (default examples/maze)
# DISPLAY names an X server of 1280 x 1024 pixels with no window manager (Xvfb, best with
# -noreset); the clicks go to the windows' own coordinates through xdotool (Debian's package
# "xdotool"). Each run reads VmRSS from /proc/PID/status once the task has been open for SETTLE
# seconds (default 2), then ends the program; prints every run, the median, the lowest and the
# highest, and the load.
# After each run, when build/bench/memoryfloor is built (or FLOOR names it), the toolkit's floor
# takes its turn: Qt alone with two windows of the sizes the program's windows had and the same kinds
# of widgets. The figures then include the floor's median and the program's excess over it.
set -eu
runs=${1:-5}
here=$(cd "$(dirname "$0")/.." && pwd)
program=${2:-$here/build/src/shagaika}
folder=${3:-$here/examples/maze}
settle=${SETTLE:-2}
if ! command -v xdotool >/dev/null; then
    echo "xdotool is missing (apt-get install xdotool)" >&2
    exit 1
fi
geometry=$(xdotool getdisplaygeometry)
if [ "$geometry" != "1280 1024" ]; then
    echo "the display is $geometry, not 1280 1024 (Xvfb $DISPLAY -screen 0 1280x1024x24)" >&2
    exit 1
fi
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# The newest visible window whose name matches, or nothing.
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1; }
# Waits for the window named $1 for up to 30 s while the program lives; prints its id.
waitfor() {
    tries=0
    while [ -z "$(window "$1")" ]; do
        kill -0 "$pid" 2>/dev/null || return 0
        tries=$((tries + 1))
        [ "$tries" -le 300 ] || { echo "no window \"$1\"" >&2; exit 1; }
        sleep 0.1
    done
    window "$1"
}
# Starts the program and waits for its title window. An X server that resets when its last
# client leaves (Xvfb without -noreset) refuses connections for a moment: such a start is
# tried again.
start() {
    attempt=0
    while :; do
        (cd "$folder" && exec "$program" 2>"$errors") &
        pid=$!
        title=$(waitfor "$titlename")
        [ -z "$title" ] || return 0
        kill "$pid" 2>/dev/null || true
        { wait "$pid"; } 2>/dev/null || true
        attempt=$((attempt + 1))
        [ "$attempt" -le 3 ] || { cat "$errors" >&2; exit 1; }
        sleep 0.5
    done
}
# Clicks at $2 $3 in window $1 until the window named $4 shows: a click that comes before the
# program listens to the window is lost.
clickuntil() {
    tries=0
    while :; do
        xdotool mousemove --window "$1" "$2" "$3" click 1
        waited=0
        while [ "$waited" -lt 20 ]; do
            [ -z "$(window "$4")" ] || return 0
            sleep 0.1
            waited=$((waited + 1))
        done
        tries=$((tries + 1))
        [ "$tries" -le 10 ] || { echo "no window \"$4\" after the click" >&2; exit 1; }
    done
}
rss() { sed -n 's/^VmRSS:[^0-9]*\([0-9]*\) kB/\1/p' "/proc/$pid/status"; }
titlename='^"Шагайка 1\.1"  Олимпиадная задача$'
registrationname='^Введите фамилию и имя$'
workname='Ученик'
floor=${FLOOR:-$here/build/bench/memoryfloor}
work=$(mktemp)
floors=$(mktemp)
errors=$(mktemp)
pid=
trap 'rm -f "$work" "$floors" "$errors"; [ -n "$pid" ] && kill "$pid" 2>/dev/null || true' EXIT
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
run=1
while [ "$run" -le "$runs" ]; do
    start
    clickuntil "$title" 458 617 "$registrationname"                     # "Старт"
    registration=$(window "$registrationname")
    xdotool mousemove --window "$registration" 250 188 click 1            # the team's name
    xdotool type --delay 20 'bench'
    clickuntil "$registration" 199 252 "$workname"                        # "Готово"
    workwindow=$(window "$workname")
    sleep "$settle"
    before=$(rss)
    # The task's statement, field and text take their memory when the task opens: a click
    # that left the figure where it was did not reach the menu.
    tries=0
    while :; do
        xdotool mousemove --window "$workwindow" 40 9 click 1             # "Начать"
        sleep "$settle"
        [ $(($(rss) - before)) -lt 200 ] || break
        tries=$((tries + 1))
        [ "$tries" -le 5 ] || { echo "the task did not open" >&2; exit 1; }
    done
    kb=$(rss)
    echo "run $run: $kb kB (work window open before the task: $before kB)"
    echo "$kb" >>"$work"
    size() { xdotool getwindowgeometry "$1" | sed -n 's/^ *Geometry: \([0-9]*\)x\([0-9]*\)$/\1 \2/p'; }
    sizes="$(size "$title") $(size "$workwindow")"
    kill "$pid"
    { wait "$pid"; } 2>/dev/null || true
    pid=
    if [ -x "$floor" ]; then
        # shellcheck disable=SC2086 # four numbers
        floorkb=$(SETTLE="$settle" "$floor" $sizes 2>/dev/null)
        echo "       floor: $floorkb kB (windows $sizes)"
        echo "$floorkb" >>"$floors"
    fi
    run=$((run + 1))
done
printf '%s runs: median %s kB (%s - %s)\n' "$runs" "$(median <"$work")" "$(sort -n "$work" | head -n 1)" \
    "$(sort -n "$work" | tail -n 1)"
if [ -s "$floors" ]; then
    printf 'floor: median %s kB (%s - %s); program - floor: median %s kB, program / floor: %s\n' \
        "$(median <"$floors")" "$(sort -n "$floors" | head -n 1)" "$(sort -n "$floors" | tail -n 1)" \
        "$(paste "$work" "$floors" | awk '{ print $1 - $2 }' | median)" \
        "$(paste "$work" "$floors" | awk '{ printf "%.3f\n", $1 / $2 }' | median)"
fi
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
