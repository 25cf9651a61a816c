#!/usr/bin/env bash
# The page readers in the real program: the acknowledgments page and the
# teachers' guide from the menu, and each hub's key facts and teacher's notes,
# paged through with real clicks, every page saved as a screenshot. Pupils
# double-click everything: a double click on Next Page turns one page, and
# on Print sends one job.
. "$(dirname "$0")/common.sh"

last_shot=""
# Saves a page's screenshot and fails unless it differs from the one before
# (a turn that changed nothing on screen).
page_shot() { # name
  e2e_running || e2e_fail "the program ended on $1"
  e2e_shot "$1"
  [ -n "$last_shot" ] && e2e_same_shots "$last_shot" "$1" && e2e_fail "$1 looks the same as $last_shot"
  last_shot=$1
}

# Fails when a click changed anything on screen (a disabled entry).
unchanged_after_click() { # entry what
  e2e_shot before
  e2e_click_entry "$1"
  e2e_shot after
  e2e_same_shots before after || e2e_fail "$2 changed the screen"
}

# Pages through a reader: Next Page to the last page, then Previous Page back.
page_through() { # prefix pages
  local n
  last_shot=""
  page_shot "$1-1"
  for n in $(seq 2 "$2"); do
    e2e_click_entry next_page
    page_shot "$1-$n"
  done
  unchanged_after_click next_page "Next Page on the last page of $1"
  for n in $(seq $(($2 - 1)) -1 1); do
    e2e_click_entry previous_page
    page_shot "$1-$n-back"
  done
  unchanged_after_click previous_page "Previous Page on the first page of $1"
}

double_click() { # entry
  xdotool mousemove $(e2e_entry "$1"); sleep 0.15
  xdotool click --repeat 2 --delay 90 1; sleep 0.8
}
# The page with the pointer on the bare form, which clears every entry's ground.
bare_shot() { xdotool mousemove "${BARE[@]}"; sleep 0.4; e2e_shot "$1"; }

pdfs() { find "${TERRALORE_PDF_DIR:-/nonexistent}" -name '*.pdf' 2>/dev/null | wc -l; }
queue=""
[ -n "${TERRALORE_PDF_DIR:-}" ] && lpstat -d 2>/dev/null | grep -q destination && queue=yes

# Print on a page, clicked once or twice: the page stays usable whatever the
# printer says. With a printer queue one PDF and no second follows; without,
# the problem is reported in a message box, which OK closes.
print_page() { # name colour-of-the-bare-form click|double_click
  local before jobs
  before=$(pdfs)
  if [ "$3" = click ]; then e2e_click_entry print 1.5; else double_click print; sleep 0.7; fi
  e2e_message_box && e2e_answer_message "$1-print-message"
  e2e_running || e2e_fail "the program ended after Print"
  e2e_wait_pixel "${BARE[@]}" "$2" "the page is back after Print"
  [ -n "$queue" ] || { echo "no printer queue: $1 was not printed"; return; }
  for _ in $(seq 150); do [ "$(pdfs)" -gt "$before" ] && break; sleep 0.1; done
  sleep 4
  jobs=$(($(pdfs) - before))
  [ "$jobs" = 1 ] || e2e_fail "Print ($3) on $1 made $jobs PDFs, not 1"
}

e2e_open_menu

# Acknowledgments: its own blue, the logo animating a moment after the page.
e2e_click_entry acknowledgments 0.8
e2e_wait_pixel "${BARE[@]}" "49,130,212" "the acknowledgments page is shown in its blue"
e2e_shot acknowledgments
sleep 0.2
e2e_shot acknowledgments-later
# The animated logo lies at twips 9000,4320: 716,398 on screen.
logo_moved=$(compare -metric AE -extract 120x120+716+398 "$ARTEFACTS/acknowledgments.png" \
  "$ARTEFACTS/acknowledgments-later.png" null: 2>&1)
[ "${logo_moved%% *}" != "0" ] || e2e_fail "the logo does not move"
print_page acknowledgments "49,130,212" click
e2e_click_entry pager_exit
e2e_wait_pixel "${MENU_MARK[@]}" "$FORM" "Exit uncovers the menu"

# The teachers' guide: five pages; the bare form clears the entries' ground.
e2e_click_entry guide 0.8
e2e_wait_pixel "${BARE[@]}" "$FORM" "the guide is shown"
e2e_wait_pixel 898 666 "$BLACK" "the guide's Exit entry has its black ground"
page_through guide 5
bare_shot guide-1-bare
e2e_wait_pixel 898 666 "$FORM" "moving over the bare guide clears the entries' ground"
# A double click on Next Page: Previous Page then shows the first page again.
double_click next_page
bare_shot guide-double-click
e2e_same_shots guide-1-bare guide-double-click && e2e_fail "a double click on Next Page turned no page"
e2e_click_entry previous_page 0.8
bare_shot guide-previous
e2e_same_shots guide-1-bare guide-previous || e2e_fail "a double click on Next Page turned more than one page"
e2e_click_entry next_page
print_page guide-2 "$FORM" double_click
e2e_click_entry pager_exit
e2e_wait_pixel "${MENU_MARK[@]}" "$FORM" "Exit uncovers the menu"

# Each hub's key facts and teacher's notes.
hub_pages() { # hub menu-entry hub-colour notes-pages
  e2e_click_entry "$2" 0.8
  e2e_shot "$1-hub"
  e2e_wait_pixel 120 660 "$3" "the $1 hub is shown"
  e2e_click_entry key_facts 0.8
  page_through "$1-key-facts" 2
  e2e_click_entry pager_exit
  e2e_wait_pixel 120 660 "$3" "Exit of the key facts uncovers the $1 hub"
  e2e_click_entry notes 0.8
  if [ "$4" -gt 1 ]; then
    page_through "$1-notes" "$4"
  else
    e2e_shot "$1-notes-1"
    unchanged_after_click next_page "the place of Next Page on a one-page set"
  fi
  e2e_click_entry pager_exit
  e2e_wait_pixel 120 660 "$3" "Exit of the notes uncovers the $1 hub"
  e2e_click_entry exit
  e2e_wait_pixel "${MENU_MARK[@]}" "$FORM" "the $1 hub's Exit shows the menu"
}
hub_pages science rocks "$FORM" 1
hub_pages beginning earth "$EARTH_HUB" 2
e2e_running || e2e_fail "the program ended"
echo "e2e pages: ok"
