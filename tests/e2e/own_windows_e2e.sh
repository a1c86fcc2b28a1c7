#!/usr/bin/env bash
# The designer on a laptop's screen (1366 x 768) under openbox: nothing the
# designer opens itself erases its pictures. After its context menu (closed
# with Esc, with a click elsewhere and with a choice), its analysis window
# (moved away, then closed with Esc), and its file chooser and message box,
# the canvases are those of vorlen-render polezero for the same steps, pixel
# for pixel. The analysis window opens wholly on the screen. Another
# program's window still leaves what it uncovered cleared.
VORLEN=$1
RENDER=$2
if [[ -z "${VORLEN_E2E_OWN_DISPLAY:-}" ]]; then
  exec env VORLEN_E2E_OWN_DISPLAY=1 xvfb-run -a -s '-screen 0 1366x768x24' bash "$0" "$@"
fi
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/designer_lib.sh"
start_openbox

# hides_canvases WHAT SCRIPT: what has just opened stands over part of the
# canvases, which show the picture of SCRIPT once it is gone.
hides_canvases() {
  ! canvases_equal "$2" || fail "$1 did not cover the canvases; the test shows nothing"
}

start_vorlen
read -r mx my < <(xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {print x, $4}')
xdotool mousemove $((mx + 630)) $((my + 12)) click 1
wait_for_designer

# A notch; the radio button "Postavljanje POLOVA" lies at client (311, 62).
dialog_click 130 70
dialog_click 130 190
dialog_click 330 71
dialog_click 130 76
dialog_click 130 184
steps="press 130,70; press 130,190; poles; press 130,76; press 130,184"
same_canvases "$steps"

# The context menu over the response, closed three ways. "Kopiraj
# koeficijente" (second from the end) changes no picture: only the menu can
# put back what it covered.
for close in "key Escape" "click-elsewhere" "key Up Up Return"; do
  dialog_click 400 300 3
  sleep 0.4
  hides_canvases "the context menu" "$steps"
  if [[ "$close" == click-elsewhere ]]; then
    dialog_click 720 300  # the dialog's face, right of the response
  else
    # shellcheck disable=SC2086
    xdotool $close
  fi
  sleep 0.5
  canvases_equal "$steps" || fail "the context menu closed with '$close' left a hole"
done

# The analysis window: wholly on the screen, over part of the canvases.
xdotool windowfocus --sync "$DIALOG"
xdotool key ctrl+a
ANALYSIS=""
for _ in $(seq 50); do
  ANALYSIS=$(shown_dialog "Analiza dizajna")
  [[ -n "$ANALYSIS" ]] && break
  sleep 0.1
done
[[ -n "$ANALYSIS" ]] || fail "Ctrl+A did not open the analysis window"
sleep 0.5
read -r ax ay aw ah < <(xwininfo -id "$ANALYSIS" |
  awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} /Width/ {w = $2} /Height/ {print x, y, w, $2}')
read -r left right top bottom < <(frame_extents "$ANALYSIS")
((ax - left >= 0 && ay - top >= 0 && ax + aw + right <= 1366 && ay + ah + bottom <= 768)) ||
  fail "the analysis window's frame reaches off the screen: $((ax - left)),$((ay - top)) $((aw + left + right))x$((ah + top + bottom))"
echo "analysis window's frame on 1366x768: at $((ax - left)),$((ay - top))"
hides_canvases "the analysis window" "$steps"

# Moved off the canvases (partly off the screen), then closed with Esc.
dialog_origin
xdotool windowmove "$ANALYSIS" $((DX + 700)) "$((ay - top))"
sleep 0.5
same_canvases "$steps"
xdotool windowfocus --sync "$ANALYSIS"
xdotool key Escape
sleep 0.5
[[ -z "$(shown_dialog "Analiza dizajna")" ]] || fail "Esc did not close the analysis window"
same_canvases "$steps"

# The file chooser, then the message box refusing a file that is no
# design; both carry the title "Otvori dizajn".
echo "no design" >"$E2E_HOME/bad.json"
xdotool windowfocus --sync "$DIALOG"
xdotool key ctrl+o
for _ in $(seq 50); do
  chooser=$(shown_dialog "Otvori dizajn")
  [[ -n "$chooser" ]] && break
  sleep 0.1
done
sleep 0.5
hides_canvases "the file chooser" "$steps"
xdotool type "$E2E_HOME/bad.json"
sleep 0.3
xdotool key Return
sleep 1
message=$(shown_dialog "Otvori dizajn")
[[ -n "$message" && "$message" != "$chooser" ]] || fail "no message refused the file"
xdotool key Return
for _ in $(seq 50); do
  [[ -z "$(shown_dialog "Otvori dizajn")" ]] && break
  sleep 0.1
done
sleep 0.5
same_canvases "$steps"

# Another program's window over the response: where it stood, the canvas
# is cleared, as a fresh dialog shows it.
white() {
  [[ "$(convert "$1" -crop "$2" +repage -format '%[fx:minima.r*minima.g*minima.b]' info:)" == 1 ]]
}
! white "$E2E_HOME/wanted.png" 60x30+320+330 || fail "the response is white where the test looks"
dialog_origin
xmessage -geometry "+$((DX + 300))+$((DY + 320))" "  another program  " 2>/dev/null &
other=$!
sleep 1
kill "$other"
wait "$other" 2>/dev/null || true
sleep 0.5
screenshot "$E2E_HOME/after-other.png"
white "$E2E_HOME/after-other.png" "60x30+$((DX + 320))+$((DY + 330))" ||
  fail "another program's window did not leave the response cleared"

xdotool windowfocus --sync "$DIALOG"
xdotool key Return
sleep 0.5
designer_open && fail "Return did not close the designer"
echo "own_windows_e2e: passed"
