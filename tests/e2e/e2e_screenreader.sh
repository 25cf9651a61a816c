#!/usr/bin/env bash
# The real program as a screen reader reads it over AT-SPI (screenreader.py):
# the menu, the rocks quiz and the fossils activity, reached by pressing
# buttons by their names. (Names and roles in detail: screens/tst_navigation.)

# On a session bus of its own, with its own accessibility bus.
[ -n "${E2E_OWN_BUS:-}" ] || E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
. "$(dirname "$0")/common.sh"
XDG_RUNTIME_DIR=$(mktemp -d) # where the accessibility bus keeps its socket
export XDG_RUNTIME_DIR
trap 'e2e_stop; rm -rf "$XDG_RUNTIME_DIR"' EXIT

# The program joins the accessibility bus only if it runs when the program
# starts, and with no screen reader running only when told to.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
  e2e_fail "the accessibility bus did not start"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
e2e_start_x
e2e_start_program
# Debian's python3-pyatspi is for Debian's own interpreter.
/usr/bin/python3 "$(dirname "$0")/screenreader.py" "$DATA/multiple/The Science of Rocks.txt" ||
  e2e_fail "a screen reader does not find what the screens show"
e2e_running || e2e_fail "the program ended"
echo "e2e screenreader: ok"
