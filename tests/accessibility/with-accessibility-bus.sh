#!/usr/bin/env bash
# Runs a test of the screens where Qt's accessibility is live, as on a desktop: on an
# X display of its own (Xvfb) and a session bus of its own with the
# accessibility bus, the bridge on without a screen reader. Offscreen, Qt
# hands no accessibility event on at all.  with-accessibility-bus.sh TEST [ARGS]
set -uo pipefail
[ -n "${A11Y_OWN_BUS:-}" ] || A11Y_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
fifo="$XDG_RUNTIME_DIR/display"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
read -r -t 10 number <"$fifo" || { echo "no X display could be started" >&2; exit 1; }
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
  { echo "the accessibility bus did not start" >&2; exit 1; }
"$@"
