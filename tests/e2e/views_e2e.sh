#!/usr/bin/env bash
# The real program draws the analysis pictures on its window: after a
# command chosen with the mouse or the keyboard, the
# screen shows, pixel for pixel, what vorlen-render draws for the same
# workspace (x(n) all zero until the signal dialog runs, default df, fg, M, L).
VORLEN=$1
RENDER=$2
source "$(dirname "$0")/e2e_lib.sh"

# same_as_render SHOT COMMAND: the window's client area in the screenshot
# shows the picture of `vorlen-render COMMAND --signal none` where they
# overlap (the window shows the top-left part of the plot area).
same_as_render() {
  local shot=$1 command=$2
  "$RENDER" "$command" --signal none -o "$E2E_HOME/render-$command.png" || fail "vorlen-render $command failed"
  read -r ox oy < <(window_origin)
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  convert "$E2E_HOME/render-$command.png" -crop "$((WIDTH < 800 ? WIDTH : 800))x400+0+0" +repage "$E2E_HOME/wanted.png"
  # The plot area starts under the menu bar; find the row where it matches.
  for top in $(seq 15 60); do
    convert "$shot" -crop "$((WIDTH < 800 ? WIDTH : 800))x400+$ox+$((oy + top))" +repage "$E2E_HOME/shown.png"
    if [[ "$(compare -metric AE "$E2E_HOME/shown.png" "$E2E_HOME/wanted.png" null: 2>&1)" == 0 ]]; then
      return 0
    fi
  done
  fail "the window does not show the $command picture"
}

start_vorlen

# DFT is a command on the menu bar itself.
click_at 215 12
sleep 0.5
screenshot "$E2E_HOME/dft.png"
same_as_render "$E2E_HOME/dft.png" dft

# Decimacija > Vremenski Domen: the menu's fifth line, below two separators.
click_at 352 12
for key in Down Down Down; do
  xdotool key "$key"
  sleep 0.2
done
xdotool key Return
sleep 0.8
screenshot "$E2E_HOME/decimation.png"
same_as_render "$E2E_HOME/decimation.png" decimation-time

# DFT from the keyboard: open File, move right past "Odabir ulaznog signla"
# (selecting a command title does not run it) to DFT, and press Return.
click_at 18 12
for key in Right Right Return; do
  xdotool key "$key"
  sleep 0.3
done
sleep 0.5
screenshot "$E2E_HOME/dft-keyboard.png"
same_as_render "$E2E_HOME/dft-keyboard.png" dft

choose_from_file_menu Up
[[ "$(wait_exit)" == 0 ]] || fail "Exit failed"
echo "views_e2e: passed"
