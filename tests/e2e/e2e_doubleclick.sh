#!/usr/bin/env bash
# Pupils double-click everything: in the real program, with real X double
# clicks, Next Page turns one page and Print sends one job.
# e2e_doubleclick.sh PROGRAM DATA ARTEFACTS
set -uo pipefail
PROGRAM=$1 DATA=$2 ARTEFACTS=$3
. "$(dirname "$0")/common.sh"
trap e2e_stop EXIT

double_click() { # x y
  xdotool mousemove "$1" "$2"; sleep 0.15
  xdotool click --repeat 2 --delay 90 1; sleep 0.8
}
# The page with the pointer on the bare form, which clears every entry's ground.
page_shot() { xdotool mousemove "${bare[@]}"; sleep 0.4; e2e_shot "$1"; }
same_picture() { # a b
  local changed
  changed=$(compare -metric AE "$ARTEFACTS/$1.png" "$ARTEFACTS/$2.png" null: 2>&1)
  [ "${changed%% *}" = "0" ]
}

e2e_start_x
e2e_start_program
e2e_click 462 582 # the title screen's OK
e2e_wait_pixel 150 300 "39,63,137" "the menu is shown"
e2e_click "${menu_guide[@]}" 1
page_shot page-1

# One page on: Previous Page then shows the first page again.
double_click "${pager_next[@]}"
page_shot after-double-click
same_picture page-1 after-double-click && e2e_fail "a double click on Next Page turned no page"
e2e_click "${pager_previous[@]}" 0.8
page_shot after-previous
same_picture page-1 after-previous || e2e_fail "a double click on Next Page turned more than one page"

# One job: one PDF reaches the cups-pdf folder, and no second follows.
if [ -n "${TERRALORE_PDF_DIR:-}" ] && lpstat -d 2>/dev/null | grep -q 'destination'; then
  before=$(find "$TERRALORE_PDF_DIR" -name '*.pdf' | wc -l)
  double_click "${pager_print[@]}"
  e2e_running || e2e_fail "the program ended after Print"
  e2e_wait_pixel "${bare[@]}" "39,63,137" "the page is back after Print"
  for _ in $(seq 150); do [ "$(find "$TERRALORE_PDF_DIR" -name '*.pdf' | wc -l)" -gt "$before" ] && break; sleep 0.1; done
  sleep 4
  jobs=$(($(find "$TERRALORE_PDF_DIR" -name '*.pdf' | wc -l) - before))
  [ "$jobs" = 1 ] || e2e_fail "a double click on Print made $jobs PDFs, not 1"
else
  echo "no printer queue: the double click on Print was not tried"
fi
e2e_running || e2e_fail "the program ended"
echo "e2e double click: ok"
