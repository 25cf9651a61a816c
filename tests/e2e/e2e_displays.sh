#!/usr/bin/env bash
# The real program on the displays schools have: at each size, without and
# with a window manager, the backdrop fills the display and the title screen
# and the main menu sit in its middle from the first frame. Then, at twice
# the pixel density, a page of the guide is drawn at device resolution.
. "$(dirname "$0")/common.sh"

# Offsets inside the screens (title and menu), in screen pixels.
title_ok=(136 432) # from the title screen's top left
title_width=372
guide_in_menu=(114 114) # from the menu's top left
page_in_screen=(12 26) # the guide's page from the screen's top left
page_size=(784 520)

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

# A page of the guide, shot at twice the density and at the normal one.
guide_page() { # scale name
  e2e_start_x 2560x1440
  export QT_SCALE_FACTOR=$1
  e2e_start_program
  unset QT_SCALE_FACTOR
  local s=$1
  wait_for_screen "$2-title" $((s * title_width))
  e2e_click $((x + s * title_ok[0])) $((y + s * title_ok[1]))
  wait_for_screen "$2-menu" $((800 * s))
  e2e_click $((x + s * guide_in_menu[0])) $((y + s * guide_in_menu[1])) 1
  e2e_shot "$2-guide"
  convert "$ARTEFACTS/$2-guide.png" -crop "$((s * page_size[0]))x$((s * page_size[1]))+$((x + s * page_in_screen[0]))+$((y + s * page_in_screen[1]))" \
    +repage "$ARTEFACTS/$2-page.png"
  e2e_stop
}
guide_page 2 dense
guide_page 1 normal
# The normal page scaled up as a bitmap would be: what a blurred page looks like.
convert "$ARTEFACTS/normal-page.png" -filter Triangle -resize 200% "$ARTEFACTS/normal-page-enlarged.png"
# A picture's mean squared step between neighbouring grey pixels, across
# (1x0 east) or down (0x1 south). A sharp edge is one step; the same edge
# blurred over two pixels is two half steps, half the sum.
steps() { # picture 1x0|0x1 east|south
  convert "$ARTEFACTS/$1.png" -colorspace gray \( -clone 0 -chop "$2" \) \( -clone 0 -gravity "$3" -chop "$2" \) \
    -delete 0 -compose difference -composite -evaluate pow 2 -format '%[fx:mean]' info:
}
edges() { echo "$(steps "$1" 1x0 east) + $(steps "$1" 0x1 south)"; }
ratio=$(awk "BEGIN { printf \"%.2f\", ($(edges dense-page)) / ($(edges normal-page-enlarged)) }")
echo "edge energy, drawn at twice the density against enlarged: $ratio"
awk "BEGIN { exit !($ratio > 1.4) }" || e2e_fail "the page at twice the density is no sharper than an enlarged bitmap ($ratio)"
echo "e2e displays: ok"
