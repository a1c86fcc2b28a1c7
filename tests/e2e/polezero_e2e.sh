#!/usr/bin/env bash
# The real program's pole-zero designer: opened from the menu bar with the
# mouse, given real clicks, it shows on its canvases, pixel for pixel, what
# vorlen-render polezero draws for the same events; Esc resets it without
# closing it, Return closes it.
VORLEN=$1
RENDER=$2
source "$(dirname "$0")/e2e_lib.sh"

# dialog_origin: the screen position of the dialog's client area (no window
# manager runs, so the window has no frame). Sets DX and DY; WINDOW, the
# main window, is left alone.
dialog_origin() {
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$DIALOG")
  DX=$(sed -n 's/^X=//p' <<<"$geometry")
  DY=$(sed -n 's/^Y=//p' <<<"$geometry")
}

# same_canvases SCRIPT: the dialog's two canvas frames on the screen equal
# those of `vorlen-render polezero --events SCRIPT`.
same_canvases() {
  "$RENDER" polezero --events "$1" -o "$E2E_HOME/wanted.png" || fail "vorlen-render polezero failed"
  screenshot "$E2E_HOME/shot.png"
  dialog_origin
  local frame
  for frame in 240x234+10+11 686x214+10+275; do
    local w=${frame%%+*} rest=${frame#*+}
    local fx=${rest%%+*} fy=${rest#*+}
    convert "$E2E_HOME/shot.png" -crop "$w+$((DX + fx))+$((DY + fy))" +repage "$E2E_HOME/shown.png"
    convert "$E2E_HOME/wanted.png" -crop "$frame" +repage "$E2E_HOME/want.png"
    [[ "$(compare -metric AE "$E2E_HOME/shown.png" "$E2E_HOME/want.png" null: 2>&1)" == 0 ]] ||
      fail "canvas $frame differs from vorlen-render for: $1"
  done
}

# dialog_click X Y: a click at the dialog's client pixel (X, Y).
dialog_click() {
  dialog_origin
  xdotool mousemove $((DX + $1)) $((DY + $2)) click 1
  sleep 0.3
}

start_vorlen
# "Ad Hoc Filter" is a command on the menu bar itself.
click_at 630 12
DIALOG=""
for _ in $(seq 50); do
  DIALOG=$(xdotool search --all --pid "$VORLEN_PID" --name '^Ad Hoc Projektovanje filtara $' 2>/dev/null | head -n 1 || true)
  [[ -n "$DIALOG" ]] && break
  sleep 0.1
done
[[ -n "$DIALOG" ]] || fail "the designer did not open"
sleep 0.5
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
