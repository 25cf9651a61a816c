#!/usr/bin/env bash
# The real program from its title screen to the menu and back: OK, Exit,
# Cancel, menu again, and the title screen's Exit ending the program.
set -uo pipefail
PROGRAM=$1 DATA=$2 ARTEFACTS=$3
. "$(dirname "$0")/common.sh"
trap e2e_stop EXIT

e2e_start_x
e2e_start_program
# A 1024 by 768 display: the title screen is centred, the menu spans 112..912 by 84..684.
e2e_shot 01-title
e2e_wait_pixel 10 10 "48,133,214" "the backdrop fills the display"
title_ok=(462 582)
e2e_click "${title_ok[@]}"
e2e_shot 02-menu
e2e_wait_pixel 150 300 "39,63,137" "the menu is shown"
# The menu's Exit entry (10560, 7920 twips in the client area).
e2e_click 860 650
e2e_shot 03-title-cancel
e2e_wait_pixel 150 300 "48,133,214" "the title screen and backdrop cover the menu"
e2e_click "${title_ok[@]}"
e2e_shot 04-menu-again
e2e_wait_pixel 150 300 "39,63,137" "Cancel returns to the menu"
e2e_click 860 650
title_exit=(558 582)
e2e_click "${title_exit[@]}" 1
for _ in $(seq 30); do e2e_running || break; sleep 0.1; done
e2e_running && e2e_fail "the title screen's Exit did not end the program"
echo "e2e shell: ok"
