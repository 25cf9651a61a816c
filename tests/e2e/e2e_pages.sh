#!/usr/bin/env bash
# The teachers' guide in the real program with real X input: its entries
# cleared off under the pointer; a double click on Next Page turns one page,
# and on Print sends one job. (Paging: screens/tst_navigation.)
. "$(dirname "$0")/common.sh"

double_click() { # entry
  xdotool mousemove $(e2e_entry "$1"); sleep 0.15
  xdotool click --repeat 2 --delay 90 1; sleep 0.8
}
# The page with the pointer on the bare form, which clears every entry's ground.
bare_shot() { xdotool mousemove "${BARE[@]}"; sleep 0.4; e2e_shot "$1"; }

e2e_open_menu

# The teachers' guide: the bare form clears the entries' ground.
e2e_click_entry guide 0.8
e2e_wait_pixel "${BARE[@]}" "$FORM" "the guide is shown"
e2e_wait_pixel 898 666 "$BLACK" "the guide's Exit entry has its black ground"
bare_shot guide-1-bare
e2e_wait_pixel 898 666 "$FORM" "moving over the bare guide clears the entries' ground"
# A double click on Next Page: Previous Page then shows the first page again.
double_click next_page
bare_shot guide-double-click
e2e_same_shots guide-1-bare guide-double-click && e2e_fail "a double click on Next Page turned no page"
e2e_click_entry previous_page 0.8
bare_shot guide-previous
e2e_same_shots guide-1-bare guide-previous || e2e_fail "a double click on Next Page turned more than one page"

# Print double-clicked on the second page: the page stays usable whatever the
# printer says. With a printer queue one PDF and no second follows; without,
# the problem is reported in a message box, which OK closes.
pdfs() { find "${TERRALORE_PDF_DIR:-/nonexistent}" -name '*.pdf' 2>/dev/null | wc -l; }
e2e_click_entry next_page
before=$(pdfs)
double_click print
sleep 0.7
e2e_message_box && e2e_answer_message guide-2-print-message
e2e_running || e2e_fail "the program ended after Print"
e2e_wait_pixel "${BARE[@]}" "$FORM" "the page is back after Print"
if [ -n "${TERRALORE_PDF_DIR:-}" ] && lpstat -d 2>/dev/null | grep -q destination; then
  for _ in $(seq 150); do [ "$(pdfs)" -gt "$before" ] && break; sleep 0.1; done
  sleep 4
  [ "$(($(pdfs) - before))" = 1 ] || e2e_fail "a double click on Print made $(($(pdfs) - before)) PDFs, not 1"
else
  echo "no printer queue: the guide was not printed"
fi
e2e_click_entry pager_exit
e2e_wait_pixel "${MENU_MARK[@]}" "$FORM" "Exit uncovers the menu"
e2e_running || e2e_fail "the program ended"
echo "e2e pages: ok"
