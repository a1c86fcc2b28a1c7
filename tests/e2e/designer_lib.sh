# Helpers for end-to-end tests of the pole-zero designer: the dialog's place
# on the screen, clicks at its client pixels, and its canvases against
# vorlen-render's. Source after e2e_lib.sh, with RENDER set to
# vorlen-render's path. Client pixels are the dialog's own; on a desktop at
# GDK_SCALE=N set DESIGNER_SCALE=N, and each is N x N screen pixels.

DESIGNER_TITLE='Ad Hoc Projektovanje filtara '
DESIGNER_SCALE=${DESIGNER_SCALE:-1}

# dialog_origin: the screen position of the dialog's client area. Sets DX
# and DY; WINDOW, the main window, is left alone. xwininfo gives it right
# with and without a window manager's frame.
dialog_origin() {
  local info
  info=$(xwininfo -id "$DIALOG")
  DX=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  DY=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
}

# wait_for_designer: waits for the dialog to open; sets DIALOG.
wait_for_designer() {
  DIALOG=""
  for _ in $(seq 50); do
    DIALOG=$(xdotool search --all --pid "$VORLEN_PID" --name "^$DESIGNER_TITLE\$" 2>/dev/null | head -n 1 || true)
    [[ -n "$DIALOG" ]] && break
    sleep 0.1
  done
  [[ -n "$DIALOG" ]] || fail "the designer did not open"
  sleep 0.5
}

designer_open() {
  xdotool search --all --pid "$VORLEN_PID" --name "^$DESIGNER_TITLE\$" >/dev/null 2>&1
}

# canvases_equal SCRIPT: whether the dialog's two canvas frames on the
# screen equal those of `vorlen-render polezero --events SCRIPT --scale
# DESIGNER_SCALE`.
canvases_equal() {
  "$RENDER" polezero --events "$1" --scale "$DESIGNER_SCALE" -o "$E2E_HOME/wanted.png" ||
    fail "vorlen-render polezero failed"
  screenshot "$E2E_HOME/shot.png"
  dialog_origin
  local frame s=$DESIGNER_SCALE
  for frame in 240x234+10+11 686x214+10+275; do
    local size=${frame%%+*} rest=${frame#*+}
    local w=$((${size%x*} * s)) h=$((${size#*x} * s))
    local fx=$((${rest%%+*} * s)) fy=$((${rest#*+} * s))
    convert "$E2E_HOME/shot.png" -crop "${w}x$h+$((DX + fx))+$((DY + fy))" +repage "$E2E_HOME/shown.png"
    convert "$E2E_HOME/wanted.png" -crop "${w}x$h+$fx+$fy" +repage "$E2E_HOME/want.png"
    [[ "$(compare -metric AE "$E2E_HOME/shown.png" "$E2E_HOME/want.png" null: 2>&1)" == 0 ]] || return 1
  done
}

# same_canvases SCRIPT: fails unless canvases_equal SCRIPT.
same_canvases() {
  canvases_equal "$1" || fail "a canvas differs from vorlen-render for: $1"
}

# dialog_click X Y [BUTTON]: a click at the dialog's client pixel (X, Y).
dialog_click() {
  dialog_origin
  xdotool mousemove $((DX + $1 * DESIGNER_SCALE)) $((DY + $2 * DESIGNER_SCALE)) click "${3:-1}"
  sleep 0.3
}
