#!/usr/bin/env bash
# The real program's command line. --help, --version and mistakes are
# answered without a display; then, on a display larger than the stage with
# a window manager, "--window --mute --data DIR" gives a normal window of the
# stage's size whose main menu has Sound Off chosen, on the data folder DIR
# rather than TERRALORE_DATA's.
. "$(dirname "$0")/common.sh"

version=$(sed -nE 's/^project\(Terralore VERSION ([0-9.]+).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
[ -n "$version" ] || e2e_fail "no project version in CMakeLists.txt"

no_display() { env -u DISPLAY -u WAYLAND_DISPLAY "$PROGRAM" "$@"; }
printed=$(no_display --version) || e2e_fail "--version failed"
[ "$printed" = "Terralore $version" ] || e2e_fail "--version printed '$printed', not 'Terralore $version'"
printed=$(no_display --mute -h) || e2e_fail "-h failed"
for option in --window --fullscreen --mute "--data <DIR>" --version "--import <FILE>" "--export <TITLE>"; do
  grep -qF -- "$option" <<<"$printed" || e2e_fail "the help does not list $option"
done
# Each mistake: status 2, nothing on standard output, one line naming it.
for mistake in "--mute --colour:colour" "quiz.txt:quiz.txt" "--window --fullscreen:--fullscreen" "--data=:--data" \
  "--export Rocks out.txt:--format" "--title Rocks:--import"; do
  read -r -a args <<<"${mistake%%:*}"
  no_display "${args[@]}" >"$ARTEFACTS/mistake.out" 2>"$ARTEFACTS/mistake.err"
  status=$?
  [ "$status" = 2 ] || e2e_fail "'${args[*]}' ended with $status, not 2"
  [ -s "$ARTEFACTS/mistake.out" ] && e2e_fail "'${args[*]}' printed on standard output"
  [ "$(wc -l <"$ARTEFACTS/mistake.err")" = 1 ] && grep -qF -- "${mistake#*:}" "$ARTEFACTS/mistake.err" ||
    e2e_fail "'${args[*]}' did not give one line naming ${mistake#*:}: $(cat "$ARTEFACTS/mistake.err")"
done

e2e_start_x 1280x1024
e2e_start_wm
chosen="$ARTEFACTS/chosen-data"
e2e_start_program --window --mute --data "$chosen"
size=$(xwininfo -id "$E2E_WIN" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
# The stage opens at 1024 by 768; full screen would be the display's 1280 by 1024.
[ "$size" = 1024x768 ] || e2e_fail "--window gave a window of $size, not the stage's 1024x768"
[ -f "$chosen/multiple/track.txt" ] || e2e_fail "--data did not fill the folder it names"

# Inside the window, positions are those of a 1024 by 768 display.
E2E_PIXEL_WINDOW=$E2E_WIN
xdotool mousemove --window "$E2E_WIN" "${TITLE_OK[@]}" click 1
e2e_wait_pixel "${MENU_MARK[@]}" "$FORM" "the title screen's OK opens the menu"
# The option buttons' circles: white when clear, a dark dot when chosen.
sound_on=$(e2e_pixel 819 126) sound_off=$(e2e_pixel 819 150)
[ "$sound_on" = "$WHITE" ] || e2e_fail "Sound On is chosen after --mute (its circle is $sound_on)"
[ "$sound_off" != "$WHITE" ] || e2e_fail "Sound Off is not chosen after --mute"
e2e_running || e2e_fail "the program ended"
echo "e2e command line: ok"
