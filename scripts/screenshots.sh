#!/usr/bin/env bash
# Takes screenshots of the three windows under a virtual X server at 1024 x 768 and
# 1920 x 1080 (the work window also at the scale factors 1.5 and 2), and of a jury's failing
# test replayed, and writes them into docs/. Needs Xvfb, xdotool and ImageMagick (setup.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SHAGAIKA_BUILD_DIR:-$root/build}"
program="$build/src/shagaika"
task="${SHAGAIKA_TASK_DIR:-$root/examples/maze}"
out="$root/docs"
display_number="${SHAGAIKA_SCREEN_DISPLAY:-99}"
mkdir -p "$out"
[ -x "$program" ] || { echo "Build the program first: $program is missing" >&2; exit 1; }

server=""
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "$server" ] && kill "$server" 2>/dev/null || true
    app=""
    server=""
}
trap cleanup EXIT

# Waits until a window whose name matches the pattern is mapped; prints its id.
wait_window() {
    local pattern="$1" id=""
    for _ in $(seq 1 100); do
        id="$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | tail -1 || true)"
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window matching '$pattern'" >&2
    return 1
}

shot() {
    sleep 0.6
    import -window root "$out/$1"
    echo "wrote docs/$1"
}

# Starts the program in a task folder and leads it through the title and the
# registration to the work window, whose id it leaves in $work. With a prefix the
# title and registration are photographed on the way.
open_work() {
    local folder="$1" prefix="$2"
    (cd "$folder" && exec "$program") &
    app=$!
    local title registration
    title="$(wait_window 'Шагайка 1.1"  Олимпиадная')"
    xdotool windowfocus --sync "$title"
    [ -n "$prefix" ] && shot "title-$prefix.png"
    xdotool key --clearmodifiers Return
    registration="$(wait_window 'Введите фамилию и имя')"
    xdotool windowfocus --sync "$registration"
    xdotool type --delay 40 "иванова"
    xdotool key Return
    xdotool type --delay 40 "мария"
    [ -n "$prefix" ] && shot "registration-$prefix.png"
    xdotool key Return
    xdotool key Return
    work="$(wait_window 'Ученик \(команда\)')"
    xdotool windowfocus --sync "$work"
}

# Clicks at a point of the work window's client area (below its menu bar).
click_client() {
    local work="$1" x="$2" y="$3" menu
    menu="${SHAGAIKA_MENU_HEIGHT:-24}"
    xdotool mousemove --window "$work" "$x" "$((y + menu))" click 1
}

start_server() {
    export DISPLAY=":$display_number"
    # A server of the previous round may still be leaving.
    for _ in $(seq 1 50); do [ -e "/tmp/.X${display_number}-lock" ] || break; sleep 0.1; done
    Xvfb "$DISPLAY" -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 1 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
}

for size in 1024x768 1920x1080; do
    start_server "$size"
    open_work "$task" "$size"
    shot "work-$size.png"

    # "Начать" opens the task of the folder.
    xdotool key shift+F1
    shot "work-task-$size.png"

    xdotool key shift+F2
    shot "work-development-$size.png"

    # "Отладка" and the slow speed: the skeleton runs once per wall arrangement.
    xdotool key shift+F3
    sleep 0.3
    click_client "$work" 182 13
    sleep 3.2
    shot "work-run-$size.png"

    cleanup
    sleep 0.3
done

# A screen with a scale factor, a few single steps into a run of ШАГ, ШАГ: the field is drawn
# at the screen's own resolution.
for scale in 1.5 2; do
    start_server 1920x1080
    QT_SCALE_FACTOR=$scale open_work "$task" ""
    xdotool key shift+F1
    sleep 0.5
    xdotool key shift+F2 F2 F2 shift+F3
    sleep 0.3
    xdotool key --delay 700 F9 F9 F9 F9 F9
    sleep 1.5
    shot "work-run-scale$scale-1920x1080.png"
    cleanup
    sleep 0.3
done

# Every example opened, at the smaller screen.
start_server 1024x768
for example in "$root"/examples/*/; do
    name="$(basename "$example")"
    open_work "$example" ""
    xdotool key shift+F1
    shot "example-$name-1024x768.png"
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    app=""
    sleep 0.3
done
cleanup

# A jury's failing test opened in the window ("shagaika --task DIR --test N FILE"), a few
# lines into its pass; then a whole run of the same file and its list of passes.
start_server 1024x768
"$program" --task "$root/examples/maze" --test 5 "$root/docs/replay-example/wrong-once.txt" &
app=$!
work="$(wait_window 'wrong-once.txt')"
xdotool windowfocus --sync "$work"
for _ in $(seq 1 12); do xdotool key F9; sleep 1.3; done
shot "replay-test-1024x768.png"
fastest_x="${SHAGAIKA_FASTEST_X:-240}"
# The fastest speed ends the pass, then runs every arrangement (a message after each).
click_client "$work" "$fastest_x" 13
sleep 2
click_client "$work" "$fastest_x" 13
for _ in 1 2 3 4 5 6 7 8; do sleep 0.8; xdotool key Return; done
shot "replay-passes-1024x768.png"
cleanup

