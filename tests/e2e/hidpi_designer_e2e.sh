#!/usr/bin/env bash
# On a desktop at scale 2 (GDK_SCALE=2) the pole-zero designer draws its
# canvases at the screen's resolution: after presses, after Reset (which
# draws only the circle and the axes, so that outer markers stay), after a
# Ctrl+drag and an undo, its canvases show pixel for pixel what
# `vorlen-render polezero --scale 2` draws for the same steps.
VORLEN=$1
RENDER=$2
source "$(dirname "$0")/e2e_lib.sh"
export GDK_SCALE=2
DESIGNER_SCALE=2
source "$(dirname "$0")/designer_lib.sh"

start_vorlen
# "Ad Hoc Filter" on the menu bar, at twice its place at scale 1.
click_at 1260 24
wait_for_designer
# Centred on the main window, the dialog reaches past the screen's left
# edge; there is no window manager to keep it on the screen.
xdotool windowmove --sync "$DIALOG" 40 60
sleep 0.3
read -r _ _ width height < <(geometry "$DIALOG")
((width == 1500 && height == 1036)) ||
  fail "the designer is ${width}x$height screen pixels, not its client area at scale 2"
same_canvases ""

# Zeros on the unit circle and one far outside it, poles just inside.
dialog_click 130 70
dialog_click 130 190
dialog_click 30 40
dialog_click 330 71   # "Postavljanje POLOVA"
dialog_click 130 76
dialog_click 130 184
steps="press 130,70; press 130,190; press 30,40; poles; press 130,76; press 130,184"
same_canvases "$steps"
screenshot "$E2E_HOME/notch.png"

# Esc: the circle and the axes drawn again, the zero at (30, 40) and the
# response still on the screen.
xdotool windowfocus --sync "$DIALOG"
xdotool key Escape
sleep 0.5
steps+="; reset"
same_canvases "$steps"

# Two presses, then a Ctrl+drag and an undo: the pictures redrawn on empty
# frames at scale 2.
dialog_click 100 100
dialog_click 160 80
steps+="; press 100,100; press 160,80"
dialog_origin
xdotool mousemove $((DX + 2 * 100)) $((DY + 2 * 100)) keydown ctrl mousedown 1
sleep 0.2
xdotool mousemove $((DX + 2 * 95)) $((DY + 2 * 110))
sleep 0.2
xdotool mousemove $((DX + 2 * 90)) $((DY + 2 * 120))
sleep 0.2
xdotool mouseup 1 keyup ctrl
sleep 0.3
steps+="; drag 100,100 90,120"
same_canvases "$steps"
xdotool windowfocus --sync "$DIALOG"
xdotool key ctrl+z
sleep 0.4
steps+="; undo"
same_canvases "$steps"

xdotool key Return
sleep 0.5
designer_open && fail "Return did not close the designer"
echo "hidpi_designer_e2e: passed"
