# Shared helpers for the end-to-end tests: the real program under Xvfb,
# driven with real X input through xdotool. Source this file.
# Expects PROGRAM, DATA and ARTEFACTS to be set by the caller.

e2e_fail() { echo "E2E FAIL: $*" >&2; e2e_stop; exit 1; }

e2e_start_x() { # [WIDTHxHEIGHT]
  # The server picks a free display itself and names it on a pipe, so tests
  # started side by side never share one.
  local fifo number
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  E2E_XVFB=$!
  read -r -t 10 number <"$fifo"
  rm -f "$fifo"
  [ -n "$number" ] || { echo "no X display could be started" >&2; exit 1; }
  export DISPLAY=":$number"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "the X display :$number does not answer" >&2; exit 1
}

e2e_start_program() { # [program options]
  mkdir -p "$ARTEFACTS"
  TERRALORE_DATA="$DATA" TERRALORE_NO_AUDIO=1 "$PROGRAM" "$@" >"$ARTEFACTS/program.log" 2>&1 &
  E2E_PID=$!
  e2e_wait_window
}

e2e_wait_window() {
  for _ in $(seq 100); do
    # (a window manager may keep a hidden window of the same name)
    E2E_WIN=$(xdotool search --onlyvisible --name '^Terralore$' 2>/dev/null | head -n 1)
    [ -n "$E2E_WIN" ] && { sleep 0.5; return 0; }
    sleep 0.1
  done
  e2e_fail "the program's window did not appear"
}

# A light window manager on the display, as on a desktop.
e2e_start_wm() {
  openbox >/dev/null 2>&1 &
  E2E_WM=$!
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0; sleep 0.1; done
  e2e_fail "the window manager did not start"
}

e2e_running() { kill -0 "$E2E_PID" 2>/dev/null; }

e2e_stop() {
  [ -n "${E2E_PID:-}" ] && kill "$E2E_PID" 2>/dev/null
  [ -n "${E2E_WM:-}" ] && kill "$E2E_WM" 2>/dev/null
  [ -n "${E2E_XVFB:-}" ] && kill "$E2E_XVFB" 2>/dev/null
  wait 2>/dev/null
  E2E_PID="" E2E_WM="" E2E_XVFB=""
  return 0
}

e2e_shot() { import -window root "$ARTEFACTS/$1.png"; }

# A click at display coordinates, with a short pause for the program to react.
e2e_click() { xdotool mousemove "$1" "$2"; sleep 0.15; xdotool click 1; sleep "${3:-0.4}"; }

# The colour of one display pixel as "r,g,b".
e2e_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n 1 |
    sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Waits until a pixel has the expected colour.
e2e_wait_pixel() { # x y "r,g,b" what
  for _ in $(seq 50); do [ "$(e2e_pixel "$1" "$2")" = "$3" ] && return 0; sleep 0.1; done
  e2e_fail "$4 (pixel $1,$2 is $(e2e_pixel "$1" "$2"), expected $3)"
}

# A 1024 by 768 display: every screen spans 112..912 by 84..684, its client
# area starts at 116,110, and a control at twips x,y lies at 116 + x/15, 110 + y/15.
menu_acknowledgments=(226 654)
menu_guide=(226 198)
menu_science=(454 506)
menu_beginning=(230 266)
pager_print=(865 134)
pager_exit=(865 654)
pager_next=(653 654)
pager_previous=(293 654)
hub_key_facts=(606 134)
hub_notes=(798 134)
hub_exit=(861 654)
bare=(156 655) # pager background left of "Previous Page"

