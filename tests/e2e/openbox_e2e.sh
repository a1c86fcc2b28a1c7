#!/usr/bin/env bash
# The designer under a real window manager, openbox, on an X display of its
# own: openbox gives the main window a title bar with its buttons and the
# designer none at all, so the designer has no close, minimise or maximise
# button; a close request (Alt+F4) leaves it open with its design.
VORLEN=$1
RENDER=$2
if [[ -z "${VORLEN_E2E_OWN_DISPLAY:-}" ]]; then
  command -v openbox >/dev/null ||
    { echo "FAIL: openbox is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
  exec env VORLEN_E2E_OWN_DISPLAY=1 xvfb-run -a -s '-screen 0 1600x1200x24' bash "$0" "$@"
fi
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/designer_lib.sh"

start_openbox

start_vorlen
sleep 0.5
read -r left right top bottom < <(frame_extents "$WINDOW")
((top > bottom)) || fail "openbox gave the main window no title bar ($left $right $top $bottom)"

# "Ad Hoc Filter" on the menu bar: the main window's client area is where
# xwininfo says (xdotool counts openbox's frame twice).
read -r mx my < <(xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {print x, $4}')
xdotool mousemove $((mx + 630)) $((my + 12)) click 1
wait_for_designer

# A border alone: no title bar, so none of openbox's buttons.
[[ "$(frame_extents "$DIALOG")" == "1 1 1 1" ]] ||
  fail "the designer has a title bar: frame $(frame_extents "$DIALOG")"
screenshot "$E2E_HOME/openbox.png"

# Alt+F4 asks to close: the designer stays, and so does its design.
dialog_click 100 100
xdotool windowactivate --sync "$DIALOG" 2>/dev/null || xdotool windowfocus --sync "$DIALOG"
xdotool key alt+F4
sleep 0.5
designer_open || fail "Alt+F4 closed the designer"
same_canvases "press 100,100"

xdotool key Return
sleep 0.5
designer_open && fail "Return did not close the designer"
echo "openbox_e2e: passed"
