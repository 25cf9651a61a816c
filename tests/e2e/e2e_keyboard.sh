#!/usr/bin/env bash
# The real program played with the keyboard alone, through X key presses
# and no pointer: the rocks quiz to full marks, the fossils to 4 of 4, a
# worksheet written and saved, and the guide paged. The focus mark is read
# off the display where the keys leave the focus.
. "$(dirname "$0")/common.sh"

key() { xdotool key --delay 60 "$@"; sleep 0.25; }
# The focus mark's white edge, just inside a button's left side (twips).
marked() { e2e_wait_pixel $((116 + $1 / 15 + 1)) $(($(e2e_at "$1" "$2" 0 495 | cut -d' ' -f2))) "$WHITE" "$3 has no focus mark"; }

e2e_start_x
e2e_start_program
e2e_wait_pixel 10 10 "$BACKDROP" "the backdrop fills the display"
key Return # the title screen's OK
e2e_wait_pixel "${MENU_MARK[@]}" "$FORM" "Enter on OK shows the menu"

# 1. The rocks quiz from the menu: Sound On, Teachers' Guide, the Earth, rocks.
key Tab Tab Tab
marked 3480 5700 "The Science of Rocks"
key Return Tab Tab Return # the hub's Key Facts, Teacher's Notes, Multiple Choice
mapfile -t answers < <(tr -d '\r' <"$DATA/multiple/The Science of Rocks.txt" | awk 'NR >= 8 && (NR - 8) % 7 == 0')
for q in $(seq 0 9); do
  # Each question starts on option A; Down chooses the next option.
  if [ "${answers[q]}" = 1 ]; then key space; else for _ in $(seq 2 "${answers[q]}"); do key Down; done; fi
  [ "$q" = 0 ] && key Tab Return || key Tab Tab Return # over Previous from the second on
done
e2e_shot keyboard-quiz-results
e2e_wait_pixel 515 570 "$WHITE" "the quiz by keys did not score 10 out of 10"

# 2. The fossils: Escape leaves the results for the hub, three Tabs reach the
# labelling activity. Each caption is picked up, carried over the boxes in
# reading order (skull, trilobite, ammonite, leg bones) and dropped; Tab
# follows the captions as they move.
key Escape
key Tab Tab Tab Return
key space Right Right Right space      # ammonite
key Tab space Right space              # skull
key Tab Tab space Right Right Right Right space # leg bones
key shift+Tab space Right Right space  # trilobite
key Tab Tab Tab Tab Return             # Check Score
e2e_shot keyboard-fossils-results
e2e_wait_pixel 515 570 "$WHITE" "the fossils by keys did not score 4 out of 4"

# 3. A worksheet: Escape thrice back to the menu, the wizard; Enter goes from
# box to box, Tab from the last box over the ticks to Save.
key Escape Escape Escape
e2e_wait_pixel "${MENU_MARK[@]}" "$FORM" "Escape leads back to the menu"
key Tab Tab Tab Tab Return
xdotool type --delay 10 "Keys only"; key Return
for q in $(seq 1 10); do
  xdotool type --delay 5 "Question $q?"; key Return
  for j in A B C D; do xdotool type --delay 5 "Rock $j"; xdotool key Return; done
done
xdotool key Tab
for i in $(seq 0 39); do
  [ $((i % 4)) = $((i / 4 % 4)) ] && xdotool key space
  xdotool key Tab
done
sleep 0.3
key Return
e2e_answer_message keyboard-saved
quiz="$DATA/multiple/Keys only.txt"
[ -f "$quiz" ] || e2e_fail "the worksheet was not saved"
digits=$(tr -d '\r' <"$quiz" | awk 'NR >= 8 && (NR - 8) % 7 == 0' | tr -d '\n')
[ "$digits" = 1234123412 ] || e2e_fail "the ticks saved as $digits, not 1234123412"

# 4. The guide: Tab to Next Page, four pages on; the focus then passes to Exit.
key Escape
key Tab Return Tab
e2e_shot guide-1
key Return
e2e_shot guide-2
e2e_same_shots guide-1 guide-2 && e2e_fail "Enter on Next Page turned no page"
key Return Return Return
marked 10680 7920 "Exit, after the last page,"
key shift+Tab Return # Previous Page, back to page 4
e2e_shot guide-4
key Escape
e2e_wait_pixel "${MENU_MARK[@]}" "$FORM" "Escape on the guide shows the menu"
e2e_same_shots guide-1 guide-4 && e2e_fail "the guide did not page on"
e2e_running || e2e_fail "the program ended"
