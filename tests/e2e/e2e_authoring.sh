#!/usr/bin/env bash
# A teacher's worksheet from start to end in the real program, typed and
# clicked through X: written in the wizard, saved, found in the catalogue,
# taken as a quiz, edited, deleted. The files on disk are checked at each
# step. e2e_authoring.sh PROGRAM DATA ARTEFACTS
set -uo pipefail
PROGRAM=$1 DATA=$2 ARTEFACTS=$3
. "$(dirname "$0")/common.sh"
trap e2e_stop EXIT

# Screens are 800 by 600 at 112,84 on a 1024 by 768 display; their client
# area starts 4 pixels in and 26 down. A control at twips (x, y) with a
# size (w, h) is clicked in its middle.
at() { # x y w h -> screen x y
  echo $((116 + ($1 + $3 / 2) / 15)) $((110 + ($2 + $4 / 2) / 15))
}
click_at() { e2e_click $(at "$@"); }
# A click at a twips point of the client area (an option button reacts on
# its circle and caption only, not across its whole width).
click_point() { e2e_click $((116 + $1 / 15)) $((110 + $2 / 15)) "${3:-0.4}"; }
# An option box of question q (0..9), option j (0..3) and its tick box.
option_box() { local x=$(($1 < 5 ? 240 : 6120)) y=$((1440 * ($1 % 5))); echo $((x + ($2 % 2 ? 3360 : 480))) $((y + ($2 < 2 ? 1230 : 1560))); }
tick_box() { local x=$(($1 < 5 ? 240 : 6120)) y=$((1440 * ($1 % 5))); echo $((x + ($2 % 2 ? 3090 : 240))) $((y + ($2 < 2 ? 1230 : 1560))); }

# Waits for a message box, keeps its picture, and answers it with Enter
# (OK, the default button); the box has the keyboard focus.
message_box() { xdotool search --onlyvisible --name '^Terralore$' 2>/dev/null | grep -vx "$E2E_WIN" | tail -n 1; }
answer_message() { # artefact-name
  local box=""
  for _ in $(seq 50); do box=$(message_box); [ -n "$box" ] && break; sleep 0.1; done
  [ -n "$box" ] || e2e_fail "no message box appeared for $1"
  sleep 0.3
  e2e_shot "$1"
  xdotool key Return
  for _ in $(seq 50); do [ -z "$(message_box)" ] && break; sleep 0.1; done
  [ -z "$(message_box)" ] || e2e_fail "the message box for $1 did not close"
  sleep 0.3
}

crlf_lines() { tr -cd '\n' <"$1" | wc -c; }
bytes_of() { od -An -c "$1" | tr -s ' \n' ' '; }

title="Chalk, flint and slate"
stored="Chalk& flint and slate"
quiz="$DATA/multiple/$stored.txt"
index="$DATA/multiple/track.txt"
answers=(2 1 4 3 2 1 4 3 2 1)

e2e_start_x
e2e_start_program
e2e_click 462 582                      # the title screen's OK
e2e_wait_pixel 150 300 "39,63,137" "the menu is shown"
[ "$(bytes_of "$index")" = "$(printf ' 0 \r\n' | od -An -c | tr -s ' \n' ' ')" ] || e2e_fail "the shipped index is not empty"

# 1. The wizard, from the menu: type everything, Enter between the boxes.
click_at 6960 5760 4635 495
e2e_shot 01-wizard-empty
click_at 7560 120 4215 375
xdotool type --delay 15 "$title"; xdotool key Return
for q in $(seq 0 9); do
  xdotool type --delay 10 "Question $((q + 1)), about rocks?"; xdotool key Return
  for j in 0 1 2 3; do
    xdotool type --delay 10 "Rock $((q + 1))$(printf "\\x$(printf %x $((65 + j)))")"; xdotool key Return
  done
done
for q in $(seq 0 9); do click_at $(tick_box "$q" $((answers[q] - 1))) 255 315 0.1; done
e2e_shot 02-wizard-filled

# 2. Save: 72 lines, commas as "&", the stored title in the index.
click_at 240 7920 3165 495
answer_message 03-saved-message
[ -f "$quiz" ] || e2e_fail "the quiz file was not written under its stored title"
[ "$(crlf_lines "$quiz")" = 72 ] || e2e_fail "the quiz file has $(crlf_lines "$quiz") lines, not 72"
[ "$(grep -c $'\r$' "$quiz")" = 72 ] || e2e_fail "not every line of the quiz file ends in CR LF"
[ "$(sed -n 1p "$quiz")" = "$stored"$'\r' ] || e2e_fail "line 1 is not the escaped title"
[ "$(sed -n 3p "$quiz")" = "Question 1& about rocks?"$'\r' ] || e2e_fail "line 3 is not the escaped question"
[ "$(sed -n 5p "$quiz")" = "Rock 1B"$'\r' ] || e2e_fail "line 5 is not option B of question 1"
[ "$(sed -n 8p "$quiz")" = "2"$'\r' ] || e2e_fail "line 8 is not the answer digit 2"
[ "$(sed -n 71p "$quiz")" = "1"$'\r' ] || e2e_fail "line 71 is not question 10's digit"
grep -q ',' "$quiz" && e2e_fail "a comma was left in the quiz file"
printf ' 1 \r\n%s\r\n' "$stored" | cmp -s - "$index" || e2e_fail "the index does not hold the one stored title"

# Saved again: the index stays byte for byte.
cp "$index" "$ARTEFACTS/track-after-first-save.txt"
click_at 240 7920 3165 495
answer_message 04-saved-again
cmp -s "$index" "$ARTEFACTS/track-after-first-save.txt" || e2e_fail "saving again changed the index"

# 3. Exit to the menu, then the catalogue, which replaces the menu.
click_at 10560 7920 1245 495
e2e_wait_pixel 150 300 "39,63,137" "the menu is seen again"
click_at 6960 6600 4635 495
e2e_shot 05-catalogue
e2e_wait_pixel 130 178 "0,0,0" "the catalogue lists the worksheet in its first slot"

# 4. Taken as a quiz: every answer right gives full marks.
click_at 120 720 5715 375
e2e_shot 06-quiz
for q in $(seq 0 9); do
  click_point 2580 $((5400 + 600 * (answers[q] - 1) + 262)) 0.15
  click_at 6000 7920 3765 495 0.3
done
e2e_shot 07-results
# Full marks: the certificate's name box is offered (white, under the score).
e2e_wait_pixel 515 570 "255,255,255" "the worksheet taken as a quiz did not score 10 out of 10"
click_at 10560 7920 1245 495              # the results' Exit uncovers the catalogue
e2e_shot 08-catalogue-again

# 5. Edited: tick "Edit Worksheet", click the title, change question 1.
click_at 120 120 2535 375
click_at 120 720 5715 375
e2e_shot 09-wizard-editing
# The new question is pasted through the real clipboard, line breaks and a
# tab in it: the box keeps one line, a break as a blank, the tab dropped.
click_at 240 840 5655 375
printf 'Which rock,\r\nof these,\tis soft?\n' | xclip -selection clipboard
xdotool key ctrl+a ctrl+v
click_at 240 7920 3165 495
answer_message 10-edited-saved
[ "$(sed -n 3p "$quiz")" = "Which rock& of these&is soft? "$'\r' ] || e2e_fail "the pasted edit did not reach the quiz file as one line"
[ "$(sed -n 1p "$quiz")" = "$stored"$'\r' ] || e2e_fail "the edited worksheet changed its title"
[ "$(crlf_lines "$quiz")" = 72 ] || e2e_fail "the edited quiz file is not 72 lines"
cmp -s "$index" "$ARTEFACTS/track-after-first-save.txt" || e2e_fail "saving the edited worksheet changed the index"
click_at 10560 7920 1245 495              # the wizard's Exit uncovers the catalogue

# Edited once more and saved unchanged: it reads cleanly and stays byte for byte.
cp "$quiz" "$ARTEFACTS/quiz-after-paste.txt"
click_at 120 720 5715 375
click_at 240 7920 3165 495
answer_message 10b-saved-unchanged
cmp -s "$quiz" "$ARTEFACTS/quiz-after-paste.txt" || e2e_fail "saving the pasted worksheet again changed it"
click_at 10560 7920 1245 495

# 6. Deleted: "Delete Worksheet" unticks "Edit Worksheet"; OK removes it.
click_at 9240 120 2535 375
e2e_shot 11-delete-ticked
click_at 120 720 5715 375
answer_message 12-delete-question
printf ' 0 \r\n' | cmp -s - "$index" || e2e_fail "deleting did not leave the index with the count 0"
[ -f "$quiz" ] || e2e_fail "deleting removed the quiz file"
e2e_shot 13-catalogue-empty
[ "$(e2e_pixel 130 178)" = "39,63,137" ] || e2e_fail "the deleted title is still listed"

# 7. Exit shows the menu again.
click_at 10560 7920 1245 495
e2e_wait_pixel 150 300 "39,63,137" "the catalogue's Exit shows the menu"
e2e_shot 14-menu
e2e_running || e2e_fail "the program ended"
echo "e2e authoring: ok"
