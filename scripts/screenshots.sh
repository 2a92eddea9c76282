#!/usr/bin/env bash
# Takes screenshots of the three windows under a virtual X server at 1024 x 768 and
# 1920 x 1080 and writes them into docs/. Needs Xvfb, xdotool and ImageMagick (setup.sh).
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

for size in 1024x768 1920x1080; do
    export DISPLAY=":$display_number"
    Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 1 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

    (cd "$task" && exec "$program") &
    app=$!

    title="$(wait_window 'Шагайка 1.1"  Олимпиадная')"
    xdotool windowfocus --sync "$title"
    shot "title-$size.png"

    xdotool key --clearmodifiers Return
    registration="$(wait_window 'Введите фамилию и имя')"
    xdotool windowfocus --sync "$registration"
    xdotool type --delay 40 "иванова"
    xdotool key Return
    xdotool type --delay 40 "мария"
    shot "registration-$size.png"

    xdotool key Return
    xdotool key Return
    work="$(wait_window 'Ученик \(команда\)')"
    xdotool windowfocus --sync "$work"
    shot "work-$size.png"

    xdotool key shift+F1
    sleep 0.5
    xdotool key shift+F2
    shot "work-development-$size.png"

    cleanup
    sleep 0.3
done
