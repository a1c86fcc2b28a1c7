#!/usr/bin/env bash
# The real program's pole-zero designer: opened from the menu bar with the
# mouse, given real clicks, it shows on its canvases, pixel for pixel, what
# vorlen-render polezero draws for the same events; Esc resets it without
# closing it, Return closes it.
VORLEN=$1
RENDER=$2
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/designer_lib.sh"

start_vorlen
# "Ad Hoc Filter" is a command on the menu bar itself.
click_at 630 12
wait_for_designer
same_canvases ""

# A notch: a zero pair on the unit circle, a pole pair just inside it. The
# radio button "Postavljanje POLOVA" lies at client (311, 62)-(444, 81).
dialog_click 130 70
dialog_click 130 190
dialog_click 330 71
dialog_click 130 76
dialog_click 130 184
dialog_click 14 100   # outside the design area: ignored
same_canvases "press 130,70; press 130,190; poles; press 130,76; press 130,184"
screenshot "$E2E_HOME/notch.png"

# Esc resets the design and leaves the dialog open.
xdotool windowfocus --sync "$DIALOG"
xdotool key Escape
sleep 0.5
xdotool search --all --pid "$VORLEN_PID" --name '^Ad Hoc Projektovanje filtara $' >/dev/null ||
  fail "Esc closed the designer"
same_canvases "press 130,70; press 130,190; poles; press 130,76; press 130,184; reset"

# Return is OK: the dialog closes and the main window takes commands again.
xdotool key Return
sleep 0.5
if xdotool search --all --pid "$VORLEN_PID" --name '^Ad Hoc Projektovanje filtara $' >/dev/null 2>&1; then
  fail "Return did not close the designer"
fi
choose_from_file_menu Up
[[ "$(wait_exit)" == 0 ]] || fail "Exit failed"
echo "polezero_e2e: passed"
