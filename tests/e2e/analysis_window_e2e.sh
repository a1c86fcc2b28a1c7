#!/usr/bin/env bash
# The designer's "Analiza dizajna" window in the real program: opened with
# Ctrl+A and from the context menu, it shows pixel for pixel the picture
# that `vorlen-render polezero --analysis-picture` draws for the same
# design, after every real click, undo and drag step, and again after the
# window system has it repainted. Esc closes it alone; it goes with the
# designer. At a desktop scale of 2 it is drawn at the screen's resolution.
VORLEN=$1
RENDER=$2
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/designer_lib.sh"

analysis_window() {
  xdotool search --all --onlyvisible --pid "$VORLEN_PID" --name '^Analiza dizajna$' 2>/dev/null | head -n 1 || true
}

# wait_for_analysis: sets ANALYSIS once the window shows.
wait_for_analysis() {
  ANALYSIS=""
  for _ in $(seq 50); do
    ANALYSIS=$(analysis_window)
    [[ -n "$ANALYSIS" ]] && { sleep 0.3; return 0; }
    sleep 0.1
  done
  fail "the analysis window did not open"
}

# same_analysis SCRIPT: the window's client area is the picture of the
# design that the --events SCRIPT makes (of its size, 800 x 600, too).
same_analysis() {
  "$RENDER" polezero --events "$1" -o "$E2E_HOME/pz.png" --analysis-picture "$E2E_HOME/wanted.png" ||
    fail "vorlen-render --analysis-picture failed"
  import -window "$ANALYSIS" "$E2E_HOME/shown.png"
  [[ "$(compare -metric AE "$E2E_HOME/shown.png" "$E2E_HOME/wanted.png" null: 2>&1)" == 0 ]] ||
    fail "the analysis window differs from --analysis-picture for: $1"
}

start_vorlen
click_at 630 12
wait_for_designer
dialog_click 130 70
dialog_click 130 190
xdotool windowfocus --sync "$DIALOG"
xdotool key ctrl+a
wait_for_analysis
steps="press 130,70; press 130,190"
same_analysis "$steps"

# One more real click on the designer, then undo and a drag, live.
dialog_click 100 100
steps+="; press 100,100"
same_analysis "$steps"
xdotool windowfocus --sync "$DIALOG"
xdotool key ctrl+z
sleep 0.3
same_analysis "$steps; undo"
steps+="; undo"
dialog_origin
xdotool mousemove $((DX + 131)) $((DY + 71)) keydown ctrl mousedown 1
sleep 0.2
xdotool mousemove $((DX + 160)) $((DY + 90))
sleep 0.3
same_analysis "$steps; drag 130,70 160,90"
xdotool mousemove $((DX + 170)) $((DY + 60)) mouseup 1 keyup ctrl
sleep 0.3
steps+="; drag 130,70 170,60"
same_analysis "$steps"

# The designer moved over the window and away again: what the window
# system has repainted shows the picture.
read -r ax _ < <(geometry "$ANALYSIS")
xdotool windowmove "$DIALOG" "$ax" "$DY" windowraise "$DIALOG"
sleep 0.3
xdotool windowmove "$DIALOG" "$DX" "$DY"
sleep 0.5
same_analysis "$steps"

# Keys in the window: Ctrl+Z and Delete do nothing to the design there,
# and Esc closes the window, not the designer.
xdotool windowfocus --sync "$ANALYSIS"
xdotool key ctrl+z Delete ctrl+a Escape
sleep 0.5
[[ -z "$(analysis_window)" ]] || fail "Esc did not close the analysis window"
designer_open || fail "Esc in the analysis window closed the designer"

# The context menu's last item opens it again, on the same design.
dialog_click 60 200 3
sleep 0.4
xdotool key Up Return
wait_for_analysis
same_analysis "$steps"

# OK closes the designer, and the analysis window with it.
xdotool windowfocus --sync "$DIALOG"
xdotool key Return
sleep 0.5
designer_open && fail "Return did not close the designer"
[[ -z "$(analysis_window)" ]] || fail "the analysis window outlived the designer"
choose_from_file_menu Up
[[ "$(wait_exit)" == 0 ]] || fail "Exit failed"

# At scale 2 the window has twice the pixels each way, drawn sharp as
# vorlen-render draws the picture at --scale 2, not the scale-1 picture's
# pixels doubled.
export GDK_SCALE=2
start_vorlen
click_at 1260 24
wait_for_designer
dialog_click 260 140
xdotool windowfocus --sync "$DIALOG"
xdotool key ctrl+a
wait_for_analysis
"$RENDER" polezero --events "press 130,70" -o "$E2E_HOME/pz.png" --analysis-picture "$E2E_HOME/wanted.png"
convert "$E2E_HOME/wanted.png" -sample 200% "$E2E_HOME/doubled.png"
import -window "$ANALYSIS" "$E2E_HOME/shown.png"
[[ "$(identify -format %wx%h "$E2E_HOME/shown.png")" == 1600x1200 ]] ||
  fail "the analysis window at scale 2 is not 1600x1200 pixels"
[[ "$(compare -metric AE "$E2E_HOME/shown.png" "$E2E_HOME/doubled.png" null: 2>&1)" != 0 ]] ||
  fail "the analysis window at scale 2 shows the scale-1 picture enlarged"
"$RENDER" polezero --events "press 130,70" -o "$E2E_HOME/pz.png" --scale 2 \
  --analysis-picture "$E2E_HOME/sharp.png"
[[ "$(compare -metric AE "$E2E_HOME/shown.png" "$E2E_HOME/sharp.png" null: 2>&1)" == 0 ]] ||
  fail "the analysis window at scale 2 differs from --analysis-picture at --scale 2"
echo "analysis_window_e2e: passed"
