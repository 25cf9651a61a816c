#!/usr/bin/env bash
# Takes the software centre's screenshots (packaging/screenshots/, named in the
# metainfo) from the real program under Xvfb, driven with xdotool through the
# end-to-end tests' helpers, on a fresh copy of resources/.
#   tools/make-screenshots.sh [PROGRAM]     default: build/test/src/terralore
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
PROGRAM=${1:-$top/build/test/src/terralore}
[ -x "$PROGRAM" ] || { echo "no program at $PROGRAM: build it first" >&2; exit 1; }
work=$(mktemp -d)
DATA="$work/data" ARTEFACTS="$work/artefacts"
out="$top/packaging/screenshots"
mkdir -p "$DATA" "$out"
cp -r "$top/resources/." "$DATA/"
. "$top/tests/e2e/common.sh"
trap 'e2e_stop; rm -rf "$work"' EXIT

# On a 1024 by 768 display every screen spans 112..912 by 84..684 and its
# client area starts at 116, 110; the pictures keep the screen alone.
# Positions below are design twips. middle: a control's centre (left top width height).
at_x() { echo $((116 + ($1 + 7) / 15)); }
at_y() { echo $((110 + ($1 + 7) / 15)); }
middle() { echo "$(at_x $(($1 + $3 / 2))) $(at_y $(($2 + $4 / 2)))"; }
shot() {
  sleep 0.6
  import -window root -crop 800x600+112+84 +repage -define png:exclude-chunks=date,time "$out/$1.png"
  echo "$out/$1.png"
}
drag() { # from-left from-top to-left to-top width height
  read -r x0 y0 < <(middle "$1" "$2" "$5" "$6")
  read -r x1 y1 < <(middle "$3" "$4" "$5" "$6")
  xdotool mousemove "$x0" "$y0" && sleep 0.1 && xdotool mousedown 1
  for s in 1 2 3 4 5 6; do xdotool mousemove $((x0 + (x1 - x0) * s / 6)) $((y0 + (y1 - y0) * s / 6)); sleep 0.03; done
  xdotool mouseup 1
  sleep 0.2
}
# Starts the program afresh and opens the main menu.
to_menu() {
  e2e_stop
  unset E2E_PID E2E_XVFB
  e2e_start_x
  e2e_start_program
  e2e_wait_pixel 10 10 "48,133,214" "the backdrop fills the display"
  e2e_click 462 582 # the title screen's OK
  e2e_wait_pixel 150 300 "39,63,137" "the menu is shown"
  away
}
BLACK="0,0,0"
# The pointer off the entries, which light up under it.
away() { xdotool mousemove 1010 760; sleep 0.2; }

to_menu
shot menu

e2e_click $(middle 3480 5760 3195 375) # "The Science of Rocks"
e2e_click $(middle 120 7920 3195 495)  # "Multiple Choice"
e2e_wait_pixel "$(at_x 7965)" "$(at_y 1965)" "$BLACK" "the quiz is shown"
e2e_click "$(at_x 2580)" "$(at_y 6262)" # the second answer
away
shot quiz

to_menu
e2e_click $(middle 120 2160 3195 375)  # "The Beginning: the Earth"
e2e_click $(middle 3600 7920 3195 495) # "Labelling Activity"
e2e_wait_pixel "$(at_x 3405)" "$(at_y 7965)" "$BLACK" "the labelling activity is shown"
drag 6000 7440 120 1980 2280 375 # "Crust" into its box
drag 8400 7440 120 4380 2280 375 # "Liquid outer core" into its box
away
shot labelling

to_menu
e2e_click $(middle 6960 5760 4635 495) # "Multiple Choice Wizard"
e2e_click $(middle 7560 120 4215 375)  # the title box
xdotool type --delay 15 "Rocks around our school"; xdotool key Return
xdotool type --delay 10 "Which rock is made of tiny shells?"; xdotool key Return
for option in Chalk Granite Slate Basalt; do xdotool type --delay 10 "$option"; xdotool key Return; done
xdotool type --delay 10 "Which rock forms from cooled lava?"; xdotool key Return
for option in Sandstone Basalt Clay Marble; do xdotool type --delay 10 "$option"; xdotool key Return; done
away
shot wizard
