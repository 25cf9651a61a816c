#!/usr/bin/env bash
# The real program on the displays schools have, with and without a window
# manager: the backdrop fills the display, the title screen and menu centred.
. "$(dirname "$0")/common.sh"

# Offsets inside the screens (title and menu), in screen pixels.
title_ok=(136 432) # from the title screen's top left
title_width=372

# The box of everything that is not backdrop in a screenshot: "w h x y".
screen_box() {
  convert "$1" -fuzz 0.5% -transparent "rgb($BACKDROP)" -trim -format '%w %h %[fx:page.x] %[fx:page.y]' info: 2>/dev/null
}

# Whether the shown screen is the one expected (by its width); keeps its
# picture and sets w, h, x and y to its box.
screen_is() { # name width
  local box
  e2e_shot "$1"
  box=$(screen_box "$ARTEFACTS/$1.png")
  [ "${box%% *}" = "$2" ] && read -r w h x y <<<"$box"
}
wait_for_screen() { e2e_wait "$1: no screen $2 pixels wide appeared" screen_is "$@"; }

# The backdrop reaches the display's corners and the screen sits in its middle.
check_screen() { # name
  local corner
  for corner in "0 0" "$((W - 1)) 0" "0 $((H - 1))" "$((W - 1)) $((H - 1))"; do
    [ "$(e2e_pixel $corner)" = "$BACKDROP" ] || e2e_fail "$1: the backdrop does not reach the corner $corner"
  done
  [ $(((2 * x + w - W) ** 2)) -le 16 ] && [ $(((2 * y + h - H) ** 2)) -le 16 ] ||
    e2e_fail "$1: ${w}x$h at $x,$y is not centred on ${W}x$H"
}

for size in 1366x768 1920x1080 2560x1440 1080x1920; do
  for wm in none openbox; do
    W=${size%x*} H=${size#*x} name="$size-$wm"
    e2e_start_x "$size"
    [ "$wm" = openbox ] && e2e_start_wm
    e2e_start_program
    wait_for_screen "$name-title" "$title_width"
    check_screen "$name title"
    e2e_click $((x + title_ok[0])) $((y + title_ok[1]))
    wait_for_screen "$name-menu" 800
    check_screen "$name menu"
    e2e_stop
  done
done

echo "e2e displays: ok"
