#!/usr/bin/env bash
# Editing a design in the real program with real input events: Shift+click
# places a conjugate pair, Ctrl+drag moves a marker, Ctrl+Z undoes, and the
# context menu removes a marker and switches pair mode. After each, the
# canvases equal, pixel for pixel, what vorlen-render polezero draws for
# the same --events steps.
VORLEN=$1
RENDER=$2
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/designer_lib.sh"

# dialog_key KEYS...: keys to the dialog.
dialog_key() {
  xdotool windowfocus --sync "$DIALOG"
  xdotool key "$@"
  sleep 0.4
}

# dialog_menu X Y KEYS...: the context menu at client pixel (X, Y), then
# the keys that choose an item. Down skips the items that are greyed out.
dialog_menu() {
  local x=$1 y=$2
  shift 2
  dialog_click "$x" "$y" 3
  sleep 0.4
  xdotool key "$@"
  sleep 0.4
}

start_vorlen
click_at 630 12
wait_for_designer

steps="press 100,100"
dialog_click 100 100
dialog_origin
xdotool mousemove $((DX + 160)) $((DY + 80)) keydown shift click 1 keyup shift
sleep 0.3
steps+="; pair 160,80"
same_canvases "$steps"

# Ctrl+drag: the pictures follow the pointer, and the release keeps it.
xdotool mousemove $((DX + 101)) $((DY + 99)) keydown ctrl mousedown 1
sleep 0.2
xdotool mousemove $((DX + 95)) $((DY + 110))
sleep 0.3
same_canvases "$steps; drag 100,100 95,110"
xdotool mousemove $((DX + 90)) $((DY + 120))
sleep 0.2
xdotool mouseup 1 keyup ctrl
sleep 0.3
steps+="; drag 100,100 90,120"
same_canvases "$steps"

dialog_key ctrl+z
steps+="; undo"
same_canvases "$steps"

# The context menu over the zero at (160, 80): Ponisti, Ponovi (the undone
# drag), then "Ukloni marker".
dialog_menu 160 80 Down Down Down Return
steps+="; remove 160,80"
same_canvases "$steps"

# The removal emptied redo, and over empty canvas "Ukloni marker" is greyed
# out: Down skips both, so the second Down reaches "Konjugovani parovi",
# and a plain click then places a pair.
dialog_menu 60 200 Down Down Return
dialog_click 200 60
steps+="; pairs on; press 200,60"
same_canvases "$steps"
screenshot "$E2E_HOME/edited.png"

designer_open || fail "editing closed the designer"
xdotool key Return
sleep 0.5
designer_open && fail "Return did not close the designer"
choose_from_file_menu Up
[[ "$(wait_exit)" == 0 ]] || fail "Exit failed"
echo "polezero_edit_e2e: passed"
