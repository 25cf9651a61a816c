#!/usr/bin/env bash
# A teacher's worksheet from start to end in the real program, typed and
# clicked through X: written in the wizard, saved, found in the catalogue,
# taken as a quiz, edited through the real clipboard, the files checked at
# each step; then the title screen's Exit ends the program.
. "$(dirname "$0")/common.sh"

# The tick box of question q (0..9), option j (0..3), in twips.
tick_box() { local x=$(($1 < 5 ? 240 : 6120)) y=$((1440 * ($1 % 5))); echo $((x + ($2 % 2 ? 3090 : 240))) $((y + ($2 < 2 ? 1230 : 1560))); }

save() { e2e_click_entry save; e2e_answer_message "$1"; }

crlf_lines() { tr -cd '\n' <"$1" | wc -c; }
line_is() { # number expected what
  [ "$(sed -n "$1p" "$quiz")" = "$2"$'\r' ] || e2e_fail "line $1 is not $3"
}

title="Chalk, flint and slate"
stored="Chalk& flint and slate"
quiz="$DATA/multiple/$stored.txt"
index="$DATA/multiple/track.txt"
answers=(2 1 4 3 2 1 4 3 2 1)

e2e_open_menu
printf ' 0 \r\n' | cmp -s - "$index" || e2e_fail "the shipped index is not empty"

# 1. The wizard, from the menu: type everything, Enter between the boxes.
e2e_click_entry wizard
e2e_shot 01-wizard-empty
e2e_click $(e2e_at 7560 120 4215 375)
xdotool type --delay 15 "$title"; xdotool key Return
for q in $(seq 0 9); do
  xdotool type --delay 10 "Question $((q + 1)), about rocks?"; xdotool key Return
  for j in 0 1 2 3; do
    xdotool type --delay 10 "Rock $((q + 1))$(printf "\\x$(printf %x $((65 + j)))")"; xdotool key Return
  done
done
for q in $(seq 0 9); do e2e_click $(e2e_at $(tick_box "$q" $((answers[q] - 1))) 255 315) 0.1; done
e2e_shot 02-wizard-filled

# 2. Save: 72 lines, commas as "&", the stored title in the index.
save 03-saved-message
[ -f "$quiz" ] || e2e_fail "the quiz file was not written under its stored title"
[ "$(crlf_lines "$quiz")" = 72 ] || e2e_fail "the quiz file has $(crlf_lines "$quiz") lines, not 72"
[ "$(grep -c $'\r$' "$quiz")" = 72 ] || e2e_fail "not every line of the quiz file ends in CR LF"
line_is 1 "$stored" "the escaped title"
line_is 3 "Question 1& about rocks?" "the escaped question"
line_is 5 "Rock 1B" "option B of question 1"
line_is 8 2 "the answer digit 2"
line_is 71 1 "question 10's digit"
grep -q ',' "$quiz" && e2e_fail "a comma was left in the quiz file"
printf ' 1 \r\n%s\r\n' "$stored" | cmp -s - "$index" || e2e_fail "the index does not hold the one stored title"
cp "$index" "$ARTEFACTS/track-after-first-save.txt"

# 3. Exit to the menu, then the catalogue, which replaces the menu.
e2e_click_entry exit
e2e_wait_pixel "${MENU_MARK[@]}" "$FORM" "the menu is seen again"
e2e_click_entry catalogue
e2e_shot 05-catalogue
e2e_wait_pixel 130 178 "$BLACK" "the catalogue lists the worksheet in its first slot"

# 4. Taken as a quiz: every answer right gives full marks.
e2e_click_entry first_title
e2e_shot 06-quiz
e2e_full_marks 07-results "the worksheet"
e2e_click_entry exit # the results' Exit uncovers the catalogue

# 5. Edited: tick "Edit Worksheet", click the title, change question 1.
e2e_click_entry edit_ticked
e2e_click_entry first_title
e2e_shot 08-wizard-editing
# The new question is pasted through the real clipboard, line breaks of
# every kind and a tab in it: the box keeps one line, each break and the
# tab a blank (CR LF one), so no two words are joined.
e2e_click $(e2e_at 240 840 5655 375)
printf 'Which rock,\r\nof these,\tis\rsoft\f?\n' | xclip -selection clipboard
xdotool key ctrl+a ctrl+v
save 09-edited-saved
line_is 3 "Which rock& of these& is soft ? " "the pasted edit as one line"
line_is 1 "$stored" "the title, unchanged by the edit"
[ "$(crlf_lines "$quiz")" = 72 ] || e2e_fail "the edited quiz file is not 72 lines"
cmp -s "$index" "$ARTEFACTS/track-after-first-save.txt" || e2e_fail "saving the edited worksheet changed the index"
e2e_click_entry exit # the wizard's Exit uncovers the catalogue

# 6. Exit shows the menu again; the menu's Exit the title screen.
e2e_click_entry exit
e2e_wait_pixel "${MENU_MARK[@]}" "$FORM" "the catalogue's Exit shows the menu"
e2e_click_entry exit
e2e_wait_pixel "${MENU_MARK[@]}" "$BACKDROP" "the menu's Exit: the title screen and backdrop cover the menu"
e2e_click "${TITLE_EXIT[@]}" 1
e2e_wait "the title screen's Exit did not end the program" e2e_ended
echo "e2e authoring: ok"
