#!/usr/bin/env bash
# The drag-and-drop activities in the real program with real X input: title
# OK, menu, hub, then captions dragged (button down, several moves, button
# up) on one ordering and one labelling screen, and the results read from
# outside: the score line through tesseract when it is installed, and the
# name box that only full marks show. Screenshots of all four activity
# screens and the results go to ARTEFACTS.
#   e2e_activities.sh PROGRAM DATA ARTEFACTS
set -uo pipefail
PROGRAM=$1 DATA=$2 ARTEFACTS=$3
. "$(dirname "$0")/common.sh"
trap e2e_stop EXIT

# On a 1024 by 768 display every standard screen's client area starts at
# 116, 110. Positions below are design twips.
at_x() { echo $((116 + ($1 + 7) / 15)); }
at_y() { echo $((110 + ($1 + 7) / 15)); }
# The middle of a control given as left top width height in twips.
middle() { echo "$(at_x $(($1 + $3 / 2))) $(at_y $(($2 + $4 / 2)))"; }

BLACK="0,0,0" WHITE="255,255,255" FORM="39,63,137" EARTH_HUB="115,155,207"
# Inside "Start Again", black on an activity; bare form on hubs and results.
read -r mark_x mark_y < <(echo "$(at_x 3405) $(at_y 7965)")

# Presses the left button at the middle of the first rectangle, moves to the
# middle of the second in steps with the button held, and releases there.
drag() { # left top (of the caption) left top (of the box) width height
  read -r x0 y0 < <(middle "$1" "$2" "$5" "$6")
  read -r x1 y1 < <(middle "$3" "$4" "$5" "$6")
  xdotool mousemove "$x0" "$y0"
  sleep 0.1
  xdotool mousedown 1
  for s in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((x0 + (x1 - x0) * s / 8)) $((y0 + (y1 - y0) * s / 8))
    sleep 0.03
  done
  xdotool mouseup 1
  sleep 0.2
}

# A caption's black ground, just inside its top-left corner.
expect_caption_at() { # left top what
  e2e_wait_pixel "$(at_x $(($1 + 45)))" "$(at_y $(($2 + 30)))" "$BLACK" "$3"
}

open_activity() { # hub entry left, shot name
  e2e_click $(middle "$1" 7920 3195 495) 0.05
  e2e_wait_pixel "$mark_x" "$mark_y" "$BLACK" "the hub opens $2"
  sleep 0.3
  e2e_shot "$2"
}

# The results over the activity: the score line (Label1: 0, 5400, 12000 by
# 855) read back, and the name box (Text1) shown only for full marks.
check_results() { # shot expected-line full-marks(yes/no)
  e2e_click $(middle 6000 7920 2565 495) 0.05 # "Check Score"
  e2e_wait_pixel "$mark_x" "$mark_y" "$FORM" "Check Score opens the results"
  sleep 0.5 # the picture comes a moment later
  e2e_shot "$1"
  local box
  box=$(e2e_pixel "$(at_x 4000)" "$(at_y 6900)")
  if [ "$3" = yes ]; then
    [ "$box" = "$WHITE" ] || e2e_fail "$1: no name box for full marks ($box)"
  else
    [ "$box" = "$FORM" ] || e2e_fail "$1: a name box without full marks ($box)"
  fi
  if command -v tesseract >/dev/null; then
    local line
    convert "$ARTEFACTS/$1.png" -crop "790x57+116+$(at_y 5400)" +repage -colorspace gray -negate -resize 200% \
      -threshold 50% "$ARTEFACTS/$1-score-line.png"
    line=$(tesseract "$ARTEFACTS/$1-score-line.png" - --psm 7 2>/dev/null | tr -s ' ' | sed 's/[^A-Za-z0-9.]*$//')
    [ "$line" = "$2" ] || e2e_fail "$1: the score line reads '$line', not '$2'"
    echo "$1: $line"
  else
    echo "$1: tesseract not installed, the score line was not read"
  fi
}

exit_button() { # colour at the mark beneath, what
  e2e_click $(middle 10560 7920 1245 495) 0.05
  e2e_wait_pixel "$mark_x" "$mark_y" "$1" "$2"
}

e2e_start_x
e2e_start_program
e2e_wait_pixel 10 10 "48,133,214" "the backdrop fills the display"
e2e_click 462 582 0.5 # title "OK"
e2e_click $(middle 3480 5760 3195 375) 0.5 # "The Science of Rocks"
e2e_wait_pixel "$mark_x" "$mark_y" "$FORM" "the menu opens the rocks hub"

# scienceord: every caption into its own box, full marks.
open_activity 7080 scienceord
w=2955 h=1155
drag 1320 6480 4440 3600 $w $h # minerals -> Mineralogists
drag 7560 6480 720 3600 $w $h  # rocks -> Petrologists
drag 4440 6480 8160 3600 $w $h # fossils -> Palaeontologists
expect_caption_at 720 3600 "a caption dragged into the Petrologists box"
expect_caption_at 8160 3600 "a caption dragged into the Palaeontologists box"
e2e_shot scienceord-placed
check_results scienceord-results "Excellent work. You have scored 3 out of 3." yes
exit_button "$BLACK" "the results' Exit uncovers the activity"
expect_caption_at 4440 3600 "the activity keeps its captions under the results"
exit_button "$FORM" "the activity's Exit uncovers the hub"

open_activity 3600 sciencelab
expect_caption_at 4080 6900 "sciencelab shows its captions"
exit_button "$FORM" "Exit goes back to the rocks hub"
e2e_click $(middle 10560 7920 1245 495) 0.5 # hub "Exit"
e2e_click $(middle 120 2160 3195 375) 0.5   # "The Beginning: the Earth"
e2e_wait_pixel "$mark_x" "$mark_y" "$EARTH_HUB" "the menu opens the Earth hub"

open_activity 7080 beginningord
expect_caption_at 1080 2160 "beginningord shows its captions"
exit_button "$EARTH_HUB" "Exit goes back to the Earth hub"

# beginninglab: "Mantle" and "Solid inner core" swapped, 2 of 4.
open_activity 3600 beginninglab
w=2280 h=375
drag 6000 7440 120 1980 $w $h  # Crust
drag 8400 7440 120 4380 $w $h  # Liquid outer core
drag 1200 7440 9480 3900 $w $h # Mantle -> the inner core's box
drag 3600 7440 9480 5460 $w $h # Solid inner core -> the mantle's box
expect_caption_at 9480 3900 "a caption dragged into a right-hand box"
e2e_shot beginninglab-placed
check_results beginninglab-results "Good work. You have scored 2 out of 4." no

e2e_running || e2e_fail "the program ended"
echo "e2e_activities: all checks passed; screenshots in $ARTEFACTS"
