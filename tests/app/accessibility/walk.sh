#!/usr/bin/env bash
# Walks the work window over the accessibility bus as a screen reader does, on a virtual X
# server and a D-Bus session of its own. Exit 77 (skipped) where the bus or its Python
# client is not installed.
set -eu
program=$(realpath "$1")
task=$2
python=/usr/bin/python3
for tool in Xvfb dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
if [ ! -e /usr/share/dbus-1/services/org.a11y.Bus.service ] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "skipped: at-spi2-core or python3-pyatspi is missing"
    exit 77
fi
work=$(mktemp -d)
server=
# The server is waited for: one still leaving would take the socket of the next one on its display.
trap '[ -z "$server" ] || { kill "$server"; wait "$server"; } 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$work/task" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$task"/. "$work/task/"
# The server picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
dbus-run-session -- "$python" "$(dirname "$0")/walk.py" "$program" "$work/task"
