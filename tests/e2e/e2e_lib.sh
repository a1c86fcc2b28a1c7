# Helpers for end-to-end tests of the real vorlen binary under X.
# Each test sources this file after setting VORLEN to the binary's path.

set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

[[ -n "${DISPLAY:-}" ]] || fail "no X display: run under xvfb-run"
for tool in xdotool import convert; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done

E2E_HOME=$(mktemp -d)
export HOME=$E2E_HOME XDG_CONFIG_HOME=$E2E_HOME/.config
VORLEN_PID=""
OPENBOX_PID=""
cleanup() {
  [[ -n "$VORLEN_PID" ]] && kill "$VORLEN_PID" 2>/dev/null || true
  [[ -n "$OPENBOX_PID" ]] && kill "$OPENBOX_PID" 2>/dev/null || true
  rm -rf "$E2E_HOME"
}
trap cleanup EXIT

# start_openbox: starts the window manager and waits until it manages the
# display (a busy machine can take seconds); started again once if it ended.
# For a test that runs on an X display of its own.
start_openbox() {
  command -v openbox >/dev/null || fail "openbox is missing (scripts/install-deps.sh installs it)"
  local attempt
  for attempt in 1 2; do
    openbox --sm-disable >"$E2E_HOME/openbox.log" 2>&1 &
    OPENBOX_PID=$!
    for _ in $(seq 200); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
      kill -0 "$OPENBOX_PID" 2>/dev/null || break
      sleep 0.1
    done
    echo "note: openbox is not managing the display (attempt $attempt)" >&2
    cat "$E2E_HOME/openbox.log" >&2
    kill "$OPENBOX_PID" 2>/dev/null || true
    wait "$OPENBOX_PID" 2>/dev/null || true
  done
  fail "openbox did not start"
}

# frame_extents ID: "left right top bottom" of the frame openbox put around it.
frame_extents() {
  xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ','
}

# start_vorlen [args...]: starts the program and waits for its main window.
# A program that could not even reach the X server (GTK's "Unable to
# initialize" under a busy virtual display) is started again, twice at most.
start_vorlen() {
  local attempt
  for attempt in 1 2 3; do
    "$VORLEN" "$@" >"$E2E_HOME/out.log" 2>&1 &
    VORLEN_PID=$!
    for _ in $(seq 100); do
      WINDOW=$(xdotool search --all --pid "$VORLEN_PID" --name ' - Vorlen$' 2>/dev/null | head -n 1 || true)
      [[ -n "$WINDOW" ]] && { sleep 0.5; return 0; }
      kill -0 "$VORLEN_PID" 2>/dev/null || break
      sleep 0.1
    done
    grep -q "Unable to initialize GTK" "$E2E_HOME/out.log" || break
    wait "$VORLEN_PID" 2>/dev/null || true
    echo "note: GTK could not reach the display (attempt $attempt); starting again" >&2
    sleep 1
  done
  cat "$E2E_HOME/out.log" >&2
  fail "the main window did not appear"
}

window_title() { xdotool getwindowname "$WINDOW"; }

# wait_exit: waits for the program to end and prints its exit status, or
# "hung" (and ends it) if it is still running after 10 seconds, for example
# behind a dialog.
wait_exit() {
  local status=0
  for _ in $(seq 100); do
    kill -0 "$VORLEN_PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$VORLEN_PID" 2>/dev/null; then
    kill -9 "$VORLEN_PID" 2>/dev/null || true
    echo "hung"
    return 0
  fi
  wait "$VORLEN_PID" || status=$?
  VORLEN_PID=""
  echo "$status"
}

# Position of the main window's top-left corner on the screen.
window_origin() {
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  echo "$X $Y"
}

# click_at X Y: a click at window coordinates.
click_at() {
  read -r ox oy < <(window_origin)
  xdotool mousemove $((ox + $1)) $((oy + $2)) click 1
  sleep 0.5
}

# geometry ID: "x y width height" of a window (--shell output would also
# overwrite WINDOW).
geometry() {
  (eval "$(xdotool getwindowgeometry --shell "$1")" && echo "$X $Y $WIDTH $HEIGHT")
}

# screenshot FILE: the whole screen as PNG.
screenshot() { import -window root "$1"; }

# pixel FILE X Y: "r,g,b" of one pixel of a screenshot.
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# choose_from_file_menu KEY...: opens the File menu with a click, moves with
# the given keys and presses Return.
choose_from_file_menu() {
  click_at 18 12
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.2
  done
  xdotool key Return
  sleep 0.5
}

# shown_dialog TITLE: the window id of the program's visible window TITLE.
shown_dialog() {
  xdotool search --all --onlyvisible --pid "$VORLEN_PID" --name "^$1\$" 2>/dev/null | head -n 1 || true
}

# open_dialog TITLE X KEY...: clicks the menu title at X (window
# coordinates), moves with the keys, presses Return (none for a title that
# is a command itself) and waits for the dialog; sets DIALOG.
open_dialog() {
  local title=$1 x=$2
  shift 2
  click_at "$x" 12
  if (($# > 0)); then
    for key in "$@"; do
      xdotool key "$key"
      sleep 0.2
    done
    xdotool key Return
  fi
  for _ in $(seq 50); do
    DIALOG=$(shown_dialog "$title")
    [[ -n "$DIALOG" ]] && { sleep 0.3; return 0; }
    sleep 0.1
  done
  fail "'$title' did not open"
}

# close_dialog TITLE KEY: the key closes the dialog.
close_dialog() {
  xdotool key "$2"
  for _ in $(seq 50); do
    # The main window takes input again once the modal loop has ended.
    [[ -z "$(shown_dialog "$1")" ]] && { sleep 0.5; return 0; }
    sleep 0.1
  done
  fail "$2 did not close '$1'"
}
