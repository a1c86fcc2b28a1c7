#!/usr/bin/env bash
# What the picture shows after something covered it: a menu opened and
# closed with the mouse puts back what its drop-down covered, also after
# moving along the menu bar; a dialog that covered the picture leaves that
# part cleared and the rest as it was.
VORLEN=$1
source "$(dirname "$0")/e2e_lib.sh"

# plot_area SHOT OUT: the window's client area below the menu bar.
plot_area() {
  convert "$1" -crop "${ww}x$((wh - 30))+$wx+$((wy + 30))" +repage "$2"
}

# differing SHOT1 SHOT2: how many pixels of the plot area differ.
differing() {
  plot_area "$1" "$E2E_HOME/a.png"
  plot_area "$2" "$E2E_HOME/b.png"
  compare -metric AE "$E2E_HOME/a.png" "$E2E_HOME/b.png" null: 2>&1 || true
}

# all_white SHOT X Y W H: true if every pixel of the box is white.
all_white() {
  [[ "$(convert "$1" -crop "$4x$5+$2+$3" +repage -format '%[fx:minima.r*minima.g*minima.b]' info:)" == 1 ]]
}

start_vorlen
read -r wx wy ww wh < <(geometry "$WINDOW")
click_at 215 12  # DFT
sleep 0.5
screenshot "$E2E_HOME/picture.png"

# 1. "Decimacija" drops down over the plot's top titles; moving to
# "Interpolacija" switches menus, a click on its title closes it.
click_at 352 12
screenshot "$E2E_HOME/menu.png"
[[ "$(differing "$E2E_HOME/picture.png" "$E2E_HOME/menu.png")" != 0 ]] || fail "the menu did not drop down"
xdotool mousemove $((wx + 445)) $((wy + 12))
sleep 0.5
click_at 445 12
sleep 0.5
screenshot "$E2E_HOME/menu-closed.png"
n=$(differing "$E2E_HOME/picture.png" "$E2E_HOME/menu-closed.png")
[[ "$n" == 0 ]] || fail "$n pixels of the picture are not back after the menus closed"

# 2. A dialog opened from a menu: where it stood the picture is cleared;
# the menu's part above it is back.
open_dialog "Blok shema decimacije sa celobrojnim faktorom" 352 Down
read -r dx dy dw dh < <(geometry "$DIALOG")
close_dialog "Blok shema decimacije sa celobrojnim faktorom" Escape
screenshot "$E2E_HOME/dialog-closed.png"
((dy > wy + 130)) || fail "the dialog reaches up into the menu's part: $dy"
! all_white "$E2E_HOME/picture.png" "$dx" "$dy" "$dw" "$dh" || fail "no picture where the dialog would stand"
all_white "$E2E_HOME/dialog-closed.png" "$dx" "$dy" "$dw" "$dh" || fail "the picture under the dialog is not cleared"
convert "$E2E_HOME/picture.png" -crop "${ww}x$((dy - wy - 30))+$wx+$((wy + 30))" +repage "$E2E_HOME/above1.png"
convert "$E2E_HOME/dialog-closed.png" -crop "${ww}x$((dy - wy - 30))+$wx+$((wy + 30))" +repage "$E2E_HOME/above2.png"
n=$(compare -metric AE "$E2E_HOME/above1.png" "$E2E_HOME/above2.png" null: 2>&1 || true)
[[ "$n" == 0 ]] || fail "$n pixels above the dialog changed"

choose_from_file_menu Up
[[ "$(wait_exit)" == 0 ]] || fail "Exit failed"
echo "e2e repaint: all checks passed"
