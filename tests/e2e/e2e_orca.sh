#!/usr/bin/env bash
# The real program with the real screen reader: Orca on a session bus of its
# own with the accessibility bus, speaking through a private speech-dispatcher
# whose sound goes to libao's null driver. The pupil plays by X key presses
# alone; what Orca speaks is read from its debug log (its SPEECH OUTPUT lines):
# the quiz's question numbers, the score and praise, the wrong answers, Orca's
# review of the results (nothing of the screens beneath), a caption picked up,
# carried over a box and dropped, the fossils' score, the wizard's title box
# as it opens and a page turned in the guide.

[ -n "${E2E_OWN_BUS:-}" ] || E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
. "$(dirname "$0")/common.sh"
command -v orca >/dev/null || e2e_fail "Orca is not installed (scripts/install-deps.sh)"
E2E_MORE_PIDS=""

WORK=$(mktemp -d)
# Orca keeps its settings under HOME and reads GSettings (kept in memory here).
export XDG_RUNTIME_DIR="$WORK/run" HOME="$WORK/home" GSETTINGS_BACKEND=memory
mkdir -p "$XDG_RUNTIME_DIR" "$HOME" "$WORK/speechd"
chmod 700 "$XDG_RUNTIME_DIR"
trap 'e2e_stop; rm -rf "$WORK"' EXIT

dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
  e2e_fail "the accessibility bus did not start"

# speech-dispatcher with eSpeak NG, its sound going nowhere.
printf 'AudioOutputMethod "libao"\nAddModule "espeak-ng" "sd_espeak-ng" ""\nDefaultModule espeak-ng\n' \
  >"$WORK/speechd/speechd.conf"
echo "default_driver=null" >"$HOME/.libao"
speech-dispatcher --run-single --config-dir "$WORK/speechd" --socket-path "$WORK/speechd.sock" --timeout 0 \
  >"$ARTEFACTS/speech-dispatcher.log" 2>&1 &
E2E_MORE_PIDS+=" $!"
e2e_wait "speech-dispatcher did not start" test -S "$WORK/speechd.sock"
export SPEECHD_ADDRESS="unix_socket:$WORK/speechd.sock"

e2e_start_x
e2e_start_wm
LOG="$ARTEFACTS/orca-debug.log"
# Debian's python3-gi and python3-pyatspi are for Debian's own interpreter.
/usr/bin/python3 "$(dirname "$0")/orca-logging.py" "$LOG" >"$ARTEFACTS/orca.log" 2>&1 &
E2E_MORE_PIDS+=" $!"
# Orca says it is on once it listens.
for _ in $(seq 200); do grep -q "SPEECH OUTPUT: 'Screen reader on" "$LOG" 2>/dev/null && break; sleep 0.1; done
grep -q "SPEECH OUTPUT" "$LOG" 2>/dev/null || e2e_fail "Orca did not start"

# What Orca has spoken since the mark, one utterance a line.
spoken() { tail -n +$((MARK + 1)) "$LOG" | sed -n "s/.*SPEECH OUTPUT: '\(.*\)'.*/\1/p"; }
mark() { MARK=$(wc -l <"$LOG"); }
# Waits up to eight seconds for Orca to have said the text since the mark.
said() { # text what
  for _ in $(seq 80); do spoken | grep -qF -- "$1" && return 0; sleep 0.1; done
  e2e_fail "$2: Orca did not say \"$1\"; it said: $(spoken | tr '\n' '|')"
}
key() { xdotool key --delay 80 "$@"; sleep 0.4; }

# The program starts after Orca, which has switched the desktop's
# accessibility on: Qt joins the bus as it does on a desktop.
e2e_start_program
e2e_wait_pixel 10 10 "$BACKDROP" "the backdrop fills the display"
mark
key Return # the title screen's OK
e2e_wait_pixel "${MENU_MARK[@]}" "$FORM" "Enter on OK shows the menu"
said "Sound On" "the menu's first entry"

# 1. The rocks quiz: its first question, then each question's number.
mark
key Tab Tab Tab Return # Sound On, Teachers' Guide, the Earth, the rocks
said "The Science of Rocks." "the hub coming up"
mark
key Tab Tab Return # Key Facts, Teacher's Notes, Multiple Choice
said "Question 1 of 10" "the quiz coming up"
mapfile -t answers < <(tr -d '\r' <"$DATA/multiple/The Science of Rocks.txt" | awk 'NR >= 8 && (NR - 8) % 7 == 0')
for q in $(seq 0 9); do
  # Questions 3 and 8 answered wrongly: option A is not their answer.
  if [ "$q" = 2 ] || [ "$q" = 7 ]; then
    [ "${answers[q]}" = 1 ] && key Down || key space
  elif [ "${answers[q]}" = 1 ]; then key space; else for _ in $(seq 2 "${answers[q]}"); do key Down; done; fi
  mark
  # Over Previous Question from the second on; Read aloud is greyed, the
  # program's own speech being off here.
  [ "$q" = 0 ] && key Tab Return || key Tab Tab Return
  [ "$q" -lt 9 ] && said "Question $((q + 2)) of 10" "Next Question to question $((q + 2))"
done

# 2. The results: praise and score, then the wrong answers.
said "Good work. You have scored 8 out of 10." "the quiz's results"
e2e_shot orca-quiz-results
# Orca's flat review of the results screen: up line by line from where the
# focus is to the top, then down to the foot.
mark
key KP_Subtract
for _ in $(seq 8); do key KP_Home; done
for _ in $(seq 14); do key KP_Page_Up; done
key KP_Subtract
spoken >"$ARTEFACTS/review.txt"
grep -qF "Well Done!" "$ARTEFACTS/review.txt" && grep -qF "You have scored 8 out of 10" "$ARTEFACTS/review.txt" ||
  e2e_fail "Orca's review did not read the score: $(tr '\n' '|' <"$ARTEFACTS/review.txt")"
for beneath in "Key Facts" "Teacher's Notes" "Labelling Activity" "Multiple Choice Wizard" "Acknowledgments"; do
  grep -qF "$beneath" "$ARTEFACTS/review.txt" && e2e_fail "Orca's review of the results read \"$beneath\" from a screen beneath"
done
mark
key Return # Check Wrong Answers has the focus
said "You answered the following questions incorrectly." "the wrong answers coming up"
said " 3. " "the third question among the wrong answers"

# 3. The fossils by keys: picked up, over a box, dropped; then the score.
key Escape # the list's Exit, which closes the results too
mark
key Tab Tab Tab Return # Teacher's Notes, Multiple Choice, Labelling Activity
said "Ammonite push button" "the fossils coming up"
mark
key space
said "Ammonite picked up." "Space on the ammonite"
key Right
said "Over the box under the fossil skull." "Right with the ammonite"
key Right Right
said "Over the box under the coiled fossil shell." "Right again with the ammonite"
key space
said "Ammonite dropped in the box under the coiled fossil shell." "Space dropping the ammonite"
key Tab space Right space              # skull
# The leg bones picked up and carried on at once: each said, none twice.
mark
key Tab Tab space Right Right Right Right space # leg bones
said "Dinosaur leg bones picked up." "the leg bones picked up and carried on at once"
[ "$(spoken | grep -cF "Over the box under the flat, oval fossil creature.")" = 1 ] ||
  e2e_fail "one box passed over was said twice: $(spoken | tr '\n' '|')"
mark
key shift+Tab space Right Right space  # trilobite
said "Check Score is ready" "the last caption dropped"
mark
key Tab Tab Tab Tab Return             # Check Score
said "Excellent work. You have scored 4 out of 4." "the fossils' results"
e2e_shot orca-fossils-results

# 4. The wizard says its title box as it opens.
key Escape Escape Escape
mark
key Tab Tab Tab Tab Return
said "Multiple Choice Wizard" "the wizard coming up"
said "Worksheet Title" "the wizard's title box"

# 5. The guide: Next Page says the new page.
key Escape
mark
key Tab Return
said "Page 1 of 5" "the guide coming up"
key Tab
mark
key Return
said "Page 2 of 5. Teachers' Guide: Key Facts and the Quiz." "Next Page"

e2e_running || e2e_fail "the program ended"
grep -q "DELUGE" "$LOG" && e2e_fail "Orca's queue overflowed (see orca-debug.log)"
echo "e2e orca: ok"
