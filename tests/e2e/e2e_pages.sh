#!/usr/bin/env bash
# The page readers in the real program: the acknowledgments page and the
# teachers' guide from the menu, and each hub's key facts and teacher's notes,
# paged through with real clicks; every page is saved as a screenshot.
set -uo pipefail
PROGRAM=$1 DATA=$2 ARTEFACTS=$3
. "$(dirname "$0")/common.sh"
trap e2e_stop EXIT

last_shot=""
# Saves a page's screenshot and fails unless it differs from the one before
# (a turn that changed nothing on screen).
page_shot() { # name
  e2e_running || e2e_fail "the program ended on $1"
  e2e_shot "$1"
  if [ -n "$last_shot" ]; then
    local changed
    changed=$(compare -metric AE "$ARTEFACTS/$last_shot.png" "$ARTEFACTS/$1.png" null: 2>&1)
    [ "${changed%% *}" != "0" ] || e2e_fail "$1 looks the same as $last_shot"
  fi
  last_shot=$1
}

# Fails when a click changed anything on screen (a disabled entry).
unchanged_after_click() { # x y what
  import -window root "$ARTEFACTS/before.png"
  e2e_click "$1" "$2"
  import -window root "$ARTEFACTS/after.png"
  local changed
  changed=$(compare -metric AE "$ARTEFACTS/before.png" "$ARTEFACTS/after.png" null: 2>&1)
  rm -f "$ARTEFACTS/before.png" "$ARTEFACTS/after.png"
  [ "${changed%% *}" = "0" ] || e2e_fail "$3 changed the screen"
}

# Pages through a reader: Next Page to the last page, then Previous Page back.
page_through() { # prefix pages
  local n
  page_shot "$1-1"
  for n in $(seq 2 "$2"); do
    e2e_click "${pager_next[@]}"
    page_shot "$1-$n"
  done
  unchanged_after_click "${pager_next[@]}" "Next Page on the last page of $1"
  for n in $(seq $(($2 - 1)) -1 1); do
    e2e_click "${pager_previous[@]}"
    page_shot "$1-$n-back"
  done
  unchanged_after_click "${pager_previous[@]}" "Previous Page on the first page of $1"
}

# Print on a page: the page stays usable whatever the printer says; a
# problem is reported in a message box, which OK closes.
print_page() { # name
  local before windows
  e2e_shot "$1-before-print"
  before=$(xdotool search --name '^Terralore$' 2>/dev/null | wc -l)
  e2e_click "${pager_print[@]}" 1.5
  windows=$(xdotool search --name '^Terralore$' 2>/dev/null | wc -l)
  if [ "$windows" -gt "$before" ]; then
    e2e_shot "$1-print-message"
    xdotool key Return
    sleep 0.5
  fi
  e2e_running || e2e_fail "the program ended after Print"
  e2e_wait_pixel "${bare[@]}" "$2" "the page is back after Print"
}

e2e_start_x
e2e_start_program
e2e_click 462 582
e2e_wait_pixel 150 300 "39,63,137" "the menu is shown"

# Acknowledgments: its own blue, the logo animating a moment after the page.
e2e_click "${menu_acknowledgments[@]}" 0.8
e2e_wait_pixel "${bare[@]}" "49,130,212" "the acknowledgments page is shown in its blue"
e2e_shot acknowledgments
sleep 0.2
e2e_shot acknowledgments-later
# The animated logo lies at twips 9000,4320: 716,398 on screen.
logo_moved=$(compare -metric AE -extract 120x120+716+398 "$ARTEFACTS/acknowledgments.png" \
  "$ARTEFACTS/acknowledgments-later.png" null: 2>&1)
[ "${logo_moved%% *}" != "0" ] || e2e_fail "the logo does not move"
print_page acknowledgments "49,130,212"
e2e_click "${pager_exit[@]}"
e2e_wait_pixel 150 300 "39,63,137" "Exit uncovers the menu"

# The teachers' guide: five pages; the bare form clears the entries' ground.
e2e_click "${menu_guide[@]}" 0.8
e2e_wait_pixel "${bare[@]}" "39,63,137" "the guide is shown"
e2e_wait_pixel 898 666 "0,0,0" "the guide's Exit entry has its black ground"
page_through guide 5
xdotool mousemove "${bare[@]}"
sleep 0.3
e2e_wait_pixel 898 666 "39,63,137" "moving over the bare guide clears the entries' ground"
e2e_shot guide-after-hover
e2e_click "${pager_next[@]}"
print_page guide-2 "39,63,137"
e2e_click "${pager_exit[@]}"
e2e_wait_pixel 150 300 "39,63,137" "Exit uncovers the menu"

# Each hub's key facts and teacher's notes.
hub_pages() { # hub menu-x menu-y hub-colour notes-pages
  e2e_click "$2" "$3" 0.8
  e2e_shot "$1-hub"
  e2e_wait_pixel 120 660 "$4" "the $1 hub is shown"
  e2e_click "${hub_key_facts[@]}" 0.8
  last_shot=""
  page_through "$1-key-facts" 2
  e2e_click "${pager_exit[@]}"
  e2e_wait_pixel 120 660 "$4" "Exit of the key facts uncovers the $1 hub"
  e2e_click "${hub_notes[@]}" 0.8
  last_shot=""
  if [ "$5" -gt 1 ]; then
    page_through "$1-notes" "$5"
  else
    page_shot "$1-notes-1"
    unchanged_after_click "${pager_next[@]}" "the place of Next Page on a one-page set"
  fi
  e2e_click "${pager_exit[@]}"
  e2e_wait_pixel 120 660 "$4" "Exit of the notes uncovers the $1 hub"
  e2e_click "${hub_exit[@]}"
  e2e_wait_pixel 150 300 "39,63,137" "the $1 hub's Exit shows the menu"
}
hub_pages science "${menu_science[@]}" "39,63,137" 1
hub_pages beginning "${menu_beginning[@]}" "115,155,207" 2
e2e_running || e2e_fail "the program ended"
echo "e2e pages: ok"
