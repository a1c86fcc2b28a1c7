#!/usr/bin/env bash
# On a desktop at scale 2 (GDK_SCALE=2) the main window draws its pictures
# at the screen's resolution: after DFT, and again after another analysis,
# the window shows pixel for pixel what `vorlen-render COMMAND --scale 2`
# draws for the same workspace (x(n) all zero until the signal dialog runs).
VORLEN=$1
RENDER=$2
source "$(dirname "$0")/e2e_lib.sh"
export GDK_SCALE=2

# same_as_render SHOT COMMAND: the window's plot area in the screenshot
# equals `vorlen-render COMMAND --signal none --scale 2` where they overlap
# (the window shows the top-left part of the picture).
same_as_render() {
  local shot=$1 command=$2
  "$RENDER" "$command" --signal none --scale 2 -o "$E2E_HOME/render-$command.png" ||
    fail "vorlen-render $command --scale 2 failed"
  [[ "$(identify -format %wx%h "$E2E_HOME/render-$command.png")" == 1600x1200 ]] ||
    fail "vorlen-render --scale 2 did not draw 1600x1200"
  read -r ox oy < <(window_origin)
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  local width=$((WIDTH < 1600 ? WIDTH : 1600))
  convert "$E2E_HOME/render-$command.png" -crop "${width}x800+0+0" +repage "$E2E_HOME/wanted.png"
  # The plot area starts under the menu bar, twice as tall as at scale 1.
  for top in $(seq 30 120); do
    convert "$shot" -crop "${width}x800+$ox+$((oy + top))" +repage "$E2E_HOME/shown.png"
    if [[ "$(compare -metric AE "$E2E_HOME/shown.png" "$E2E_HOME/wanted.png" null: 2>&1)" == 0 ]]; then
      return 0
    fi
  done
  fail "the window at scale 2 does not show the $command --scale 2 picture"
}

start_vorlen
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
((WIDTH >= 1000)) || fail "the window is $WIDTH pixels wide: GDK_SCALE=2 did not take effect"

# DFT is a command on the menu bar itself; the screen's pixels are twice
# the window's units.
click_at 430 24
sleep 0.5
screenshot "$E2E_HOME/dft.png"
same_as_render "$E2E_HOME/dft.png" dft

# Decimacija > Vremenski Domen: the menu's fifth line, below two separators.
click_at 704 24
for key in Down Down Down; do
  xdotool key "$key"
  sleep 0.2
done
xdotool key Return
sleep 0.8
screenshot "$E2E_HOME/decimation.png"
same_as_render "$E2E_HOME/decimation.png" decimation-time
echo "hidpi_e2e: passed"
