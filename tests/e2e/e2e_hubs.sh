#!/usr/bin/env bash
# The hubs' quiz and drag-and-drop activities in the real program with real X
# input. The rocks quiz answered by the answer digits of its file in DATA,
# then captions dragged (button down, several moves, button up) on one
# ordering and one labelling screen; each time the results read from outside:
# the score line through OCR, and the name box that only full marks show.
. "$(dirname "$0")/common.sh"

quiz_file=$(find "$DATA" -ipath '*/multiple/the science of rocks.txt' | head -n 1)
[ -n "$quiz_file" ] || e2e_fail "no rocks quiz in $DATA"
mapfile -t lines < <(tr -d '\r' <"$quiz_file")
[ "${#lines[@]}" -ge 72 ] || e2e_fail "the rocks quiz has ${#lines[@]} lines"

# Marks just inside a control's top-left corner, clear of caption and border.
read -r -a hub_mark < <(e2e_at 6405 165)     # hub "Key Facts", black
read -r -a quiz_mark < <(e2e_at 7965 1965)   # quiz "Print Worksheet", black
read -r -a results_mark < <(e2e_at 285 1845) # the results' first button, for full marks
# Inside "Start Again", black on an activity; bare form on hubs and results.
read -r -a mark < <(e2e_at 3405 7965)

# The results, on top: the score line, and the name box only for full marks.
check_results() { # shot expected-line full-marks(yes/no)
  if [ "$3" = yes ]; then
    e2e_wait_pixel "${results_mark[@]}" "$BLACK" "$1: the results are shown with their first button"
  else
    e2e_wait_pixel "${mark[@]}" "$FORM" "$1: the results are shown"
  fi
  # The picture comes a moment later.
  e2e_wait_pixel $(e2e_at 5880 1440 4800 3600) not "49,135,214" "$1: the results picture is loaded"
  e2e_shot "$1"
  local box line
  box=$(e2e_pixel $(e2e_at 4000 6900))
  [ "$3" = yes ] && [ "$box" != "$WHITE" ] && e2e_fail "$1: no name box for full marks ($box)"
  [ "$3" = no ] && [ "$box" != "$FORM" ] && e2e_fail "$1: a name box without full marks ($box)"
  line=$(e2e_score_line "$1")
  [ "$line" = "$2" ] || e2e_fail "$1: the score line reads '$line', not '$2'"
}

e2e_open_menu
e2e_click_entry rocks 0.05
e2e_wait_pixel "${hub_mark[@]}" "$BLACK" "the menu opens the rocks hub"
e2e_click_entry multiple_choice 0.05
e2e_wait_pixel "${quiz_mark[@]}" "$BLACK" "Multiple Choice opens the quiz"
e2e_shot quiz-question-1

# The question number and text, redrawn on every question: its fingerprint.
question_sum() { import -window root -crop "792x144+116+$((110 + (3240 + 7) / 15))" rgb:- 2>/dev/null | md5sum; }
question_changed() { [ "$(question_sum)" != "$1" ]; }
for q in $(seq 1 10); do
  digit=${lines[$((7 * (q - 1) + 7))]}
  case "$digit" in 1 | 2 | 3 | 4) ;; *) e2e_fail "question $q has the answer digit '$digit'" ;; esac
  # The option button's circle, at the left of answer button $digit.
  e2e_click $(e2e_at 2580 $((5662 + 600 * (digit - 1)))) 0.05
  before=$(question_sum)
  e2e_click_entry next_question 0.05
  [ "$q" = 10 ] || e2e_wait "Next Question did not show question $((q + 1))" question_changed "$before"
done
check_results quiz-results "Excellent work. You have scored 10 out of 10." yes
e2e_click_entry exit 0.05
e2e_wait_pixel "${hub_mark[@]}" "$BLACK" "the results' Exit uncovers the hub"
e2e_wait_pixel "${results_mark[@]}" not "$BLACK" "the results are gone"

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
open_activity() { # hub entry, shot name
  e2e_click_entry "$1" 0.05
  e2e_wait_pixel "${mark[@]}" "$BLACK" "the hub opens $2"
  sleep 0.3
  e2e_shot "$2"
}
exit_to() { # colour at the mark beneath, what
  e2e_click_entry exit 0.05
  e2e_wait_pixel "${mark[@]}" "$1" "$2"
}

# scienceord: every caption into its own box, full marks.
open_activity ordering scienceord
w=2955 h=1155
drag 1320 6480 4440 3600 $w $h # minerals -> Mineralogists
drag 7560 6480 720 3600 $w $h  # rocks -> Petrologists
drag 4440 6480 8160 3600 $w $h # fossils -> Palaeontologists
expect_caption_at 720 3600 "a caption dragged into the Petrologists box"
expect_caption_at 8160 3600 "a caption dragged into the Palaeontologists box"
e2e_shot scienceord-placed
e2e_click_entry check_score 0.05
check_results scienceord-results "Excellent work. You have scored 3 out of 3." yes
exit_to "$BLACK" "the results' Exit uncovers the activity"
expect_caption_at 4440 3600 "the activity keeps its captions under the results"
exit_to "$FORM" "the activity's Exit uncovers the hub"

open_activity labelling sciencelab
expect_caption_at 4080 6900 "sciencelab shows its captions"
exit_to "$FORM" "Exit goes back to the rocks hub"
e2e_click_entry exit 0.5
e2e_click_entry earth 0.5
e2e_wait_pixel "${mark[@]}" "$EARTH_HUB" "the menu opens the Earth hub"

open_activity ordering beginningord
expect_caption_at 1080 2160 "beginningord shows its captions"
exit_to "$EARTH_HUB" "Exit goes back to the Earth hub"

# beginninglab: "Mantle" and "Solid inner core" swapped, 2 of 4.
open_activity labelling beginninglab
w=2280 h=375
drag 6000 7440 120 1980 $w $h  # Crust
drag 8400 7440 120 4380 $w $h  # Liquid outer core
drag 1200 7440 9480 3900 $w $h # Mantle -> the inner core's box
drag 3600 7440 9480 5460 $w $h # Solid inner core -> the mantle's box
expect_caption_at 9480 3900 "a caption dragged into a right-hand box"
e2e_shot beginninglab-placed
e2e_click_entry check_score 0.05
check_results beginninglab-results "Good work. You have scored 2 out of 4." no
e2e_running || e2e_fail "the program ended"
echo "e2e hubs: ok"
