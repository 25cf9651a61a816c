#!/usr/bin/env bash
# Worksheets shared as GIFT and Aiken: imported and exported on the command
# line without a display, then exported from the catalogue and imported back
# through the real file dialogs driven by keys, and the imported worksheet
# taken as a quiz to full marks.
. "$(dirname "$0")/common.sh"

# A teacher's file: comments, names, escapes, feedback, a byte-order mark.
gift="$(dirname "$0")/../fixtures/gift/teacher.gift"
answers=(2 3 3 4 1 1 4 3 2 3)
mkdir -p "$ARTEFACTS"

no_display() { env -u DISPLAY -u WAYLAND_DISPLAY "$PROGRAM" --data "$DATA" "$@"; }
printed=$(no_display --import "$gift" --title "Shared rocks") || e2e_fail "--import refused: $printed"
[ "$printed" = "Imported the worksheet Shared rocks" ] || e2e_fail "--import printed '$printed'"
printf ' 1 \r\nShared rocks\r\n' | cmp -s - "$DATA/multiple/track.txt" || e2e_fail "the index does not list the import"
grep -qx 'Which is \*not\* a rock:'$'\r' "$DATA/multiple/Shared rocks.txt" ||
  e2e_fail "the escaped colon did not come back as a colon"
# The same title again is refused without --replace, and nothing changes.
cp "$DATA/multiple/Shared rocks.txt" "$ARTEFACTS/before.txt"
no_display --import "$gift" --title "Shared rocks" 2>"$ARTEFACTS/again.err" && e2e_fail "a second import replaced silently"
grep -q "already exists" "$ARTEFACTS/again.err" || e2e_fail "the refusal did not say why: $(cat "$ARTEFACTS/again.err")"
cmp -s "$ARTEFACTS/before.txt" "$DATA/multiple/Shared rocks.txt" || e2e_fail "a refused import changed the worksheet"
printf 'What is chalk?\n{TRUE}\n' >"$ARTEFACTS/truefalse.gift"
no_display --import "$ARTEFACTS/truefalse.gift" 2>"$ARTEFACTS/tf.err" && e2e_fail "a true-false question was imported"
grep -q "Question 1" "$ARTEFACTS/tf.err" || e2e_fail "the refusal does not name the question: $(cat "$ARTEFACTS/tf.err")"
no_display --export "Shared rocks" --format aiken "$ARTEFACTS/shared.aiken.txt" >/dev/null || e2e_fail "--export failed"
[ "$(grep -c '^ANSWER: ' "$ARTEFACTS/shared.aiken.txt")" = 10 ] || e2e_fail "the Aiken export lacks its answers"
grep -q '^ANSWER: B$' "$ARTEFACTS/shared.aiken.txt" || e2e_fail "question 1's answer is not B"

# The catalogue: Export ticked, the title clicked, the save dialog answered by keys.
E2E_ENTRY[export_ticked]="120 390 2535 330"
E2E_ENTRY[import]="9240 390 2535 330"
E2E_ENTRY[second_title]="120 1320 5715 375"
dialog() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
no_dialog() { ! dialog "$1"; }
answer_dialog() { # caption path shot
  e2e_wait "the $1 dialog did not open" dialog "$1"
  sleep 0.5
  e2e_shot "$3"
  xdotool key ctrl+a
  xdotool type --delay 10 "$2"
  xdotool key Return
  e2e_wait "the $1 dialog did not close" no_dialog "$1"
}
exported="$ARTEFACTS/exported.gift"
e2e_open_menu
e2e_click_entry catalogue
e2e_wait_pixel 130 178 "$BLACK" "the catalogue lists the imported worksheet"
e2e_click_entry export_ticked
e2e_click_entry first_title
answer_dialog "Export Worksheet" "$exported" 01-export-dialog
e2e_answer_message 02-exported
head -n 1 "$exported" | grep -q '^::Shared rocks Q1:: ' || e2e_fail "the export is not GIFT: $(head -c 40 "$exported")"
e2e_click_entry export_ticked # untick: a title click opens again

# The Aiken export imported under the file's own name, listed second, taken as a quiz.
cp "$ARTEFACTS/shared.aiken.txt" "$ARTEFACTS/Imported rocks.txt"
e2e_click_entry import
answer_dialog "Import Worksheets" "$ARTEFACTS/Imported rocks.txt" 03-import-dialog
e2e_answer_message 04-imported
grep -qx 'Imported rocks'$'\r' "$DATA/multiple/track.txt" || e2e_fail "the import is not in the index"
e2e_click_entry second_title
e2e_shot 05-quiz
e2e_full_marks 06-results "the imported worksheet"

# What is no file of questions is refused at once (a pipe without a writer
# would keep an open waiting), and nothing is written to the data folder.
snapshot() { (cd "$DATA" && find . -type f -exec md5sum {} + | sort); }
before=$(snapshot)
mkfifo "$ARTEFACTS/pipe"
mkdir -p "$ARTEFACTS/folder"
for odd in /dev/zero "$ARTEFACTS/pipe" "$ARTEFACTS/folder"; do
  timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY "$PROGRAM" --data "$DATA" --import "$odd" --title Odd 2>"$ARTEFACTS/odd.err"
  status=$?
  [ "$status" = 1 ] || e2e_fail "--import $odd ended with $status, not 1"
  grep -q "not a file of questions" "$ARTEFACTS/odd.err" || e2e_fail "--import $odd: $(cat "$ARTEFACTS/odd.err")"
done
[ "$(snapshot)" = "$before" ] || e2e_fail "a refused import wrote to the data folder"

# A built-in quiz goes by the title it shows; imported back, the colon in
# that title is refused with a way round it.
no_display --export "The Beginning: the Earth" --format gift "$ARTEFACTS/beginning.gift" >/dev/null ||
  e2e_fail "the built-in quiz could not be exported under its title"
no_display --import "$ARTEFACTS/beginning.gift" 2>"$ARTEFACTS/colon.err" && e2e_fail "a title with a colon was imported"
grep -qF -- "--title" "$ARTEFACTS/colon.err" || e2e_fail "the refusal does not suggest --title: $(cat "$ARTEFACTS/colon.err")"
no_display --export "No such sheet" --format gift "$ARTEFACTS/none.gift" 2>"$ARTEFACTS/none.err" &&
  e2e_fail "a worksheet that does not exist was exported"
grep -q "does not exist" "$ARTEFACTS/none.err" || e2e_fail "the missing worksheet: $(cat "$ARTEFACTS/none.err")"
# An "&" that the worksheet keeps as a comma is told.
sed 's/=soft /=soft \& smooth /' "$gift" >"$ARTEFACTS/ampersand.gift"
grep -qF 'soft & smooth' "$ARTEFACTS/ampersand.gift" || e2e_fail "no & was put in the file"
printed=$(no_display --import "$ARTEFACTS/ampersand.gift" --title "Rocks and more") || e2e_fail "--import refused: $printed"
grep -q 'was changed to a comma' <<<"$printed" || e2e_fail "the import did not tell of the & it changed: $printed"
echo "e2e sharing: ok"
