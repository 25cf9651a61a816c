# Shared by the end-to-end tests: the real program under Xvfb, driven with
# real X input through xdotool. Sourced by each script, whose arguments are
# PROGRAM DATA ARTEFACTS.
set -uo pipefail
PROGRAM=$1 DATA=$2 ARTEFACTS=$3
trap e2e_stop EXIT

e2e_fail() { echo "E2E FAIL: $*" >&2; e2e_stop; exit 1; }

e2e_start_x() { # [WIDTHxHEIGHT]
  # The server picks a free display itself and names it on a pipe, so tests
  # started side by side never share one. A server that names a display and
  # then dies (the previous test's server still leaving it) is started again.
  local fifo number attempt
  for attempt in 1 2 3; do
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    E2E_XVFB=$!
    number=""
    read -r -t 10 number <"$fifo"
    rm -f "$fifo"
    [ -n "$number" ] || continue
    export DISPLAY=":$number"
    for _ in $(seq 50); do
      kill -0 "$E2E_XVFB" 2>/dev/null || break
      xdpyinfo >/dev/null 2>&1 && sleep 0.2 && kill -0 "$E2E_XVFB" 2>/dev/null && return 0
      sleep 0.1
    done
    kill "$E2E_XVFB" 2>/dev/null
    wait "$E2E_XVFB" 2>/dev/null
  done
  echo "no X display could be started" >&2
  exit 1
}

e2e_start_program() { # [program options]
  mkdir -p "$ARTEFACTS"
  TERRALORE_DATA="$DATA" TERRALORE_NO_AUDIO=1 "$PROGRAM" "$@" >"$ARTEFACTS/program.log" 2>&1 &
  E2E_PID=$!
  for _ in $(seq 100); do
    # (a window manager may keep a hidden window of the same name)
    E2E_WIN=$(xdotool search --onlyvisible --name '^Terralore$' 2>/dev/null | head -n 1)
    [ -n "$E2E_WIN" ] && { sleep 0.5; return 0; }
    sleep 0.1
  done
  e2e_fail "the program's window did not appear"
}

# A light window manager on the display, as on a desktop.
# One that has not come up in five seconds (seen, rarely, on a busy machine)
# is started again; its own words go to the artefacts.
e2e_start_wm() {
  local attempt
  for attempt in 1 2 3; do
    openbox >>"$ARTEFACTS/openbox.log" 2>&1 &
    E2E_WM=$!
    for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0; sleep 0.1; done
    kill "$E2E_WM" 2>/dev/null
    wait "$E2E_WM" 2>/dev/null
    echo "window manager, attempt $attempt: not up after 5 s" >>"$ARTEFACTS/openbox.log"
  done
  cat "$ARTEFACTS/openbox.log" >&2
  e2e_fail "the window manager did not start"
}

e2e_running() { kill -0 "$E2E_PID" 2>/dev/null; }
e2e_ended() { ! e2e_running; }

# Services a test starts besides (a screen reader, a speech service) go in
# E2E_MORE_PIDS and stop with the rest.
e2e_stop() {
  local pid
  for pid in ${E2E_MORE_PIDS:-}; do kill "$pid" 2>/dev/null; done
  [ -n "${E2E_PID:-}" ] && kill "$E2E_PID" 2>/dev/null
  [ -n "${E2E_WM:-}" ] && kill "$E2E_WM" 2>/dev/null
  [ -n "${E2E_XVFB:-}" ] && kill "$E2E_XVFB" 2>/dev/null
  wait 2>/dev/null
  E2E_PID="" E2E_WM="" E2E_XVFB="" E2E_MORE_PIDS=""
  return 0
}

e2e_shot() { import -window root "$ARTEFACTS/$1.png"; }

# Whether two screenshots are the same to the pixel.
e2e_same_shots() { # a b
  local changed
  changed=$(compare -metric AE "$ARTEFACTS/$1.png" "$ARTEFACTS/$2.png" null: 2>&1)
  [ "${changed%% *}" = "0" ]
}

# A click at display coordinates, with a short pause for the program to react.
e2e_click() { xdotool mousemove "$1" "$2"; sleep 0.15; xdotool click 1; sleep "${3:-0.4}"; }

# The colour of one display pixel as "r,g,b" (of E2E_PIXEL_WINDOW's, if set).
e2e_pixel() {
  import -window "${E2E_PIXEL_WINDOW:-root}" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n 1 |
    sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Whether a message box is shown over the program's window.
e2e_message_box() { xdotool search --onlyvisible --name '^Terralore$' 2>/dev/null | grep -vx "$E2E_WIN" | grep -q .; }
e2e_no_message_box() { ! e2e_message_box; }
# Waits for a message box, keeps its picture, and answers it with Enter
# (OK, the default button); the box has the keyboard focus.
e2e_answer_message() { # shot
  e2e_wait "no message box appeared for $1" e2e_message_box
  sleep 0.3
  e2e_shot "$1"
  xdotool key Return
  e2e_wait "the message box for $1 did not close" e2e_no_message_box
  sleep 0.3
}

# Waits up to five seconds for a command to succeed.
e2e_wait() { # what command...
  local what=$1
  shift
  for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done
  e2e_fail "$what"
}

# Waits until a pixel has (or, with "not", has no longer) a colour.
e2e_wait_pixel() { # x y [not] "r,g,b" what
  local x=$1 y=$2 not=""
  shift 2
  [ "$1" = not ] && { not=1; shift; }
  for _ in $(seq 50); do
    if [ "$(e2e_pixel "$x" "$y")" = "$1" ]; then [ -z "$not" ] && return 0; else [ -n "$not" ] && return 0; fi
    sleep 0.1
  done
  e2e_fail "$2 (pixel $x,$y is $(e2e_pixel "$x" "$y"))"
}

BACKDROP="48,133,214" FORM="39,63,137"
BLACK="0,0,0" WHITE="255,255,255"

# A 1024 by 768 display: every screen spans 112..912 by 84..684 and its
# client area starts at 116,110, so twips x,y lie at 116 + x/15, 110 + y/15.
e2e_at() { # x y [width height], in twips -> the pixel at the middle
  echo $((116 + ($1 + ${3:-0} / 2 + 7) / 15)) $((110 + ($2 + ${4:-0} / 2 + 7) / 15))
}

# The entries the tests click, as left top width height in twips.
declare -A E2E_ENTRY=(
  [rocks]="3480 5760 3195 375" [guide]="120 1080 3075 495"
  [wizard]="6960 5760 4635 495" [catalogue]="6960 6600 4635 495"
  [exit]="10560 7920 1245 495" # the menu's, a hub's, an activity's, the results', the wizard's, the catalogue's
  [ordering]="7080 7920 3195 495" [print]="10680 120 1125 495" [pager_exit]="10680 7920 1125 495"
  [next_page]="6720 7920 2685 495" [previous_page]="1320 7920 2685 495"
  [next_question]="6000 7920 3765 495" [check_score]="6000 7920 2565 495"
  [save]="240 7920 3165 495" [first_title]="120 720 5715 375"
  [edit_ticked]="120 60 2535 330"
)
e2e_entry() { e2e_at ${E2E_ENTRY[$1]}; }
e2e_click_entry() { e2e_click $(e2e_entry "$1") "${2:-0.4}"; }

TITLE_OK=(462 582) TITLE_EXIT=(558 582)
BARE=(156 655) # a pager's bare form, left of "Previous Page"
MENU_MARK=(150 300) # bare form on the menu, backdrop over it

# Takes the quiz on screen, answering each question q with ${answers[q]}
# (1 to 4), and waits for full marks.
e2e_full_marks() { # shot what
  local q
  for q in $(seq 0 9); do
    # The option button reacts on its circle and caption only.
    e2e_click $(e2e_at 2580 $((5662 + 600 * (answers[q] - 1)))) 0.15
    e2e_click_entry next_question 0.3
  done
  e2e_shot "$1"
  # Full marks: the certificate's name box is offered (white, under the score).
  e2e_wait_pixel 515 570 "$WHITE" "$2 taken as a quiz did not score 10 out of 10"
}

# A fresh display and program, through the title screen to the main menu.
e2e_open_menu() { # [program options]
  e2e_start_x
  e2e_start_program "$@"
  e2e_wait_pixel 10 10 "$BACKDROP" "the backdrop fills the display"
  e2e_shot 00-title
  e2e_click "${TITLE_OK[@]}"
  e2e_wait_pixel "${MENU_MARK[@]}" "$FORM" "the title screen's OK shows the menu"
}
