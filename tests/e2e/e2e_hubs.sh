#!/usr/bin/env bash
# The rocks hub's ordering activity in the real program: captions dragged by
# real X input into their boxes, then the results with the name box of full
# marks. (Score lines, other activities: screens/tst_activitydrag, tst_quiz.)
. "$(dirname "$0")/common.sh"

# Marks just inside a control's top-left corner, clear of caption and border.
read -r -a hub_mark < <(e2e_at 6405 165)     # hub "Key Facts", black
read -r -a results_mark < <(e2e_at 285 1845) # the results' first button, for full marks
# Inside "Start Again", black on an activity; bare form on hubs and results.
read -r -a mark < <(e2e_at 3405 7965)

# Presses the left button at the middle of the caption, moves to the middle
# of the box in steps with the button held, and releases there.
drag() { # left top (of the caption) left top (of the box) width height
  read -r x0 y0 < <(e2e_at "$1" "$2" "$5" "$6")
  read -r x1 y1 < <(e2e_at "$3" "$4" "$5" "$6")
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
  e2e_wait_pixel $(e2e_at $(($1 + 45)) $(($2 + 30))) "$BLACK" "$3"
}

e2e_open_menu
e2e_click_entry rocks 0.05
e2e_wait_pixel "${hub_mark[@]}" "$BLACK" "the menu opens the rocks hub"

# scienceord: every caption into its own box, full marks.
e2e_click_entry ordering 0.05
e2e_wait_pixel "${mark[@]}" "$BLACK" "the hub opens scienceord"
sleep 0.3
e2e_shot scienceord
w=2955 h=1155
drag 1320 6480 4440 3600 $w $h # minerals -> Mineralogists
drag 7560 6480 720 3600 $w $h  # rocks -> Petrologists
drag 4440 6480 8160 3600 $w $h # fossils -> Palaeontologists
expect_caption_at 720 3600 "a caption dragged into the Petrologists box"
expect_caption_at 8160 3600 "a caption dragged into the Palaeontologists box"
e2e_shot scienceord-placed
e2e_click_entry check_score 0.05
e2e_wait_pixel "${results_mark[@]}" "$BLACK" "the results are shown with their first button"
# The picture comes a moment later.
e2e_wait_pixel $(e2e_at 5880 1440 4800 3600) not "49,135,214" "the results picture is loaded"
e2e_shot scienceord-results
e2e_wait_pixel $(e2e_at 4000 6900) "$WHITE" "no name box: not full marks"
e2e_running || e2e_fail "the program ended"
echo "e2e hubs: ok"
