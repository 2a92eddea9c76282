#!/usr/bin/env bash
# Walks the work window over the accessibility bus as a screen reader does, on a virtual X
# server and a D-Bus session of its own; exit 77 (skipped) without the bus or its client.
set -eu
if ! command -v Xvfb >/dev/null || ! command -v dbus-run-session >/dev/null \
    || [ ! -e /usr/share/dbus-1/services/org.a11y.Bus.service ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "skipped: Xvfb, dbus-daemon, at-spi2-core or python3-pyatspi is missing"
    exit 77
fi
program=$(realpath "$1")
work=$(mktemp -d)
server=
# The server is waited for: one still leaving would take the socket of the next one on its display.
trap '[ -z "$server" ] || { kill "$server"; wait "$server"; } 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/task" "$work/runtime"
cp -r "$2"/. "$work/task/"
# The server picks a free display itself and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
number=$(cat "$work/display")
if [ -z "$number" ]; then
    echo "FAIL: the virtual X server did not start"
    exit 1
fi
export DISPLAY=":$number" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/walk.py" "$program" "$work/task"
