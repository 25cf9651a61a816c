#!/usr/bin/env bash
# The real program through the rocks quiz with real X input: title OK, menu
# "The Science of Rocks", hub "Multiple Choice", every question answered by
# the answer digits of the quiz file in DATA, "Check Score >>", the results,
# then back to the hub and the menu. A screenshot of each screen goes to
# ARTEFACTS.
#   e2e_quiz.sh PROGRAM DATA ARTEFACTS
set -uo pipefail
PROGRAM=$1 DATA=$2 ARTEFACTS=$3
. "$(dirname "$0")/common.sh"
trap e2e_stop EXIT

# On a 1024 by 768 display every standard screen spans 112..912 by 84..684;
# its client area starts at 116, 110. Positions below are design twips.
client_x() { echo $((116 + ($1 + 7) / 15)); }
client_y() { echo $((110 + ($1 + 7) / 15)); }
# The middle of a control given as left top width height in twips.
centre_of() { echo "$(client_x $(($1 + $3 / 2))) $(client_y $(($2 + $4 / 2)))"; }
# Inside a control's top-left corner, clear of its caption and border.
corner_of() { echo "$(client_x $(($1 + 45))) $(client_y $(($2 + 45)))"; }

BLACK="0,0,0" NAVY="0,0,128" WHITE="255,255,255"
read -r menu_mark_x menu_mark_y < <(corner_of 6960 6600)     # "Worksheet Catalogue", navy
read -r hub_mark_x hub_mark_y < <(corner_of 6360 120)        # hub "Key Facts", black
read -r quiz_mark_x quiz_mark_y < <(corner_of 7920 1920)     # quiz "Print Worksheet", black
read -r results_mark_x results_mark_y < <(corner_of 240 1800) # results' first button, black
read -r name_box_x name_box_y < <(corner_of 3120 6600)       # the name box, white

# A region's fingerprint, to see when a screen has redrawn it.
region_sum() { import -window root -crop "$1" rgb:- 2>/dev/null | md5sum | cut -d' ' -f1; }
wait_region_change() { # region old-sum what
  local now
  for _ in $(seq 50); do
    now=$(region_sum "$1")
    [ "$now" != "$2" ] && return 0
    sleep 0.1
  done
  e2e_fail "$3"
}
# Waits until a pixel no longer has a colour.
wait_pixel_not() { # x y "r,g,b" what
  for _ in $(seq 50); do [ "$(e2e_pixel "$1" "$2")" != "$3" ] && return 0; sleep 0.1; done
  e2e_fail "$4"
}

quiz_file=$(find "$DATA" -ipath '*/multiple/the science of rocks.txt' | head -n 1)
[ -n "$quiz_file" ] || e2e_fail "no rocks quiz in $DATA"
mapfile -t lines < <(tr -d '\r' <"$quiz_file")
[ "${#lines[@]}" -ge 72 ] || e2e_fail "the rocks quiz has ${#lines[@]} lines"

e2e_start_x
e2e_start_program
e2e_wait_pixel 10 10 "48,133,214" "the backdrop fills the display"
e2e_shot 01-title
e2e_click 462 582 0.05
e2e_wait_pixel "$menu_mark_x" "$menu_mark_y" "$NAVY" "OK opens the menu"
e2e_shot 02-menu

e2e_click $(centre_of 3480 5760 3195 375) 0.05
e2e_wait_pixel "$hub_mark_x" "$hub_mark_y" "$BLACK" "the menu opens the rocks hub"
e2e_shot 03-hub

e2e_click $(centre_of 120 7920 3195 495) 0.05
e2e_wait_pixel "$quiz_mark_x" "$quiz_mark_y" "$BLACK" "Multiple Choice opens the quiz"
e2e_shot 04-quiz-question-1

# The question number and text, redrawn on every question.
question_region="792x$(((5400 - 3240) / 15))+116+$(client_y 3240)"
read -r next_x next_y < <(centre_of 6000 7920 3765 495)
for q in $(seq 1 10); do
  digit=${lines[$((7 * (q - 1) + 7))]}
  case "$digit" in 1 | 2 | 3 | 4) ;; *) e2e_fail "question $q has the answer digit '$digit'" ;; esac
  # The option button's circle, at the left of answer button $digit.
  e2e_click "$(client_x 2580)" "$(client_y $((5400 + 600 * (digit - 1) + 262)))" 0.05
  [ "$q" = 1 ] && e2e_shot 05-quiz-answer-chosen
  [ "$q" = 10 ] && e2e_shot 06-quiz-question-10
  before=$(region_sum "$question_region")
  e2e_click "$next_x" "$next_y" 0.05
  [ "$q" -lt 10 ] && wait_region_change "$question_region" "$before" "Next Question did not show question $((q + 1))"
done

e2e_wait_pixel "$results_mark_x" "$results_mark_y" "$BLACK" "Check Score opens the results with their first button"
# Full marks show the name box; the picture comes a moment later.
e2e_wait_pixel "$name_box_x" "$name_box_y" "$WHITE" "full marks show the name box"
read -r picture_x picture_y < <(centre_of 5880 1440 4800 3600)
wait_pixel_not "$picture_x" "$picture_y" "49,135,214" "the results picture is loaded"
e2e_shot 07-results
# The score line, read back from the screen where an OCR engine is at hand.
if command -v tesseract >/dev/null; then
  import -window root -crop "800x57+116+$(client_y 5400)" -colorspace gray -negate -resize 200% \
    "$ARTEFACTS/score-line.png"
  score_line=$(tesseract "$ARTEFACTS/score-line.png" - --psm 7 2>/dev/null | tr -s ' \n' ' ')
  echo "score line read as: $score_line"
  case "$score_line" in *"10 out of 10"*) ;; *) e2e_fail "the score line reads '$score_line'" ;; esac
fi

# Exit uncovers the hub; the hub's Exit brings the menu back.
e2e_click $(centre_of 10560 7920 1245 495) 0.05
e2e_wait_pixel "$hub_mark_x" "$hub_mark_y" "$BLACK" "the results' Exit uncovers the hub"
wait_pixel_not "$results_mark_x" "$results_mark_y" "$BLACK" "the results are gone"
e2e_shot 08-hub-again
e2e_click $(centre_of 10560 7920 1245 495) 0.05
e2e_wait_pixel "$menu_mark_x" "$menu_mark_y" "$NAVY" "the hub's Exit brings back the menu"
e2e_shot 09-menu-again
e2e_running || e2e_fail "the program ended"
echo "e2e quiz: ok"
