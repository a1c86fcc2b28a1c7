#!/usr/bin/env bash
# The real program: its window and title, the File menu opened with the
# mouse, a file named on the command line, the recent-file list kept across
# a restart, Exit, and its errors without a display or with a bad file.
VORLEN=$1
source "$(dirname "$0")/e2e_lib.sh"

# 1. No display: a clear message, not a GTK error.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$VORLEN" 2>&1) && fail "started without a display"
grep -q "needs a graphical display" <<<"$out" || fail "unclear message without a display: $out"

# The version needs no display, and is the project's.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$VORLEN" --version) || fail "--version failed without a display"
[[ "$out" == "vorlen $VORLEN_PROJECT_VERSION" ]] || fail "--version printed '$out'"

# Help is a success; bad usage is status 2 with the reason.
"$VORLEN" --help >"$E2E_HOME/help.log" 2>&1 || fail "--help failed"
grep -q "Usage: vorlen" "$E2E_HOME/help.log" || fail "no usage from --help"
grep -q -- "--version" "$E2E_HOME/help.log" || fail "--help does not list --version"
[[ "$("$VORLEN" "$E2E_HOME/any.txt" --version)" == "vorlen $VORLEN_PROJECT_VERSION" ]] ||
  fail "--version after a file name"
status=0
"$VORLEN" --no-such-option >"$E2E_HOME/usage.log" 2>&1 || status=$?
[[ $status == 2 ]] || fail "bad usage gave status $status"
grep -q "no-such-option" "$E2E_HOME/usage.log" || fail "bad usage does not name the option"
grep -q -- "--lang" "$E2E_HOME/help.log" || fail "--help does not list --lang"
for language in english EN ""; do
  status=0
  "$VORLEN" --lang "$language" >"$E2E_HOME/usage.log" 2>&1 || status=$?
  [[ $status == 2 ]] || fail "--lang '$language' gave status $status"
  grep -q -- "--lang" "$E2E_HOME/usage.log" || fail "--lang '$language' is not named as the reason"
done

# 2. The window opens untitled; the File menu drops down under a click.
start_vorlen
[[ "$(window_title)" == "Untitled - Vorlen" ]] || fail "title is '$(window_title)'"
screenshot "$E2E_HOME/before.png"
click_at 18 12
screenshot "$E2E_HOME/menu.png"
read -r ox oy < <(window_origin)
# The menu covers the white plot area below the File title.
[[ "$(pixel "$E2E_HOME/before.png" $((ox + 60)) $((oy + 90)))" == "255,255,255" ]] ||
  fail "plot area is not white before the menu opens"
[[ "$(pixel "$E2E_HOME/menu.png" $((ox + 60)) $((oy + 90)))" != "255,255,255" ]] ||
  fail "the File menu did not open"
xdotool key Escape
sleep 0.3
# Exit, the menu's last item: the program ends normally. (A GTK menu opened
# with the mouse takes its first key press as a switch to keyboard use, so
# items are reached with the arrow keys, not mnemonics.)
choose_from_file_menu Up
[[ "$(wait_exit)" == 0 ]] || fail "Exit did not end the program normally"

# 3. A file on the command line becomes the document.
doc="$E2E_HOME/lecture notes.txt"
echo "any content" >"$doc"
start_vorlen "$doc"
[[ "$(window_title)" == "lecture notes.txt - Vorlen" ]] || fail "title is '$(window_title)'"
choose_from_file_menu Up
[[ "$(wait_exit)" == 0 ]] || fail "Exit failed"
[[ "$(cat "$doc")" == "any content" ]] || fail "opening changed the file"

# 4. After a restart the recent-file list still holds it: &1 opens it.
start_vorlen
[[ "$(window_title)" == "Untitled - Vorlen" ]] || fail "title is '$(window_title)'"
choose_from_file_menu Up Up
[[ "$(window_title)" == "lecture notes.txt - Vorlen" ]] || fail "recent entry gave '$(window_title)'"
choose_from_file_menu Up
wait_exit >/dev/null

# 5. A file that cannot be opened: the message over the main window, then
# the start fails.
"$VORLEN" "$E2E_HOME/missing.txt" >"$E2E_HOME/bad.log" 2>&1 &
VORLEN_PID=$!
box=""
for _ in $(seq 100); do
  # Search names match without regard to case; the hidden "vorlen" window
  # that GTK makes is not the message box.
  for w in $(xdotool search --all --pid "$VORLEN_PID" --name '^Vorlen$' 2>/dev/null || true); do
    [[ "$(xdotool getwindowname "$w")" == "Vorlen" ]] && box=$w
  done
  [[ -n "$box" ]] && break
  sleep 0.1
done
[[ -n "$box" ]] || fail "no message box for a missing file"
sleep 0.5
# The box stands centred over the main window, which is on screen.
main=$(xdotool search --all --onlyvisible --pid "$VORLEN_PID" --name ' - Vorlen$' 2>/dev/null | head -n 1 || true)
[[ -n "$main" ]] || fail "the message box has no main window under it"
read -r mx my mw mh < <(geometry "$main")
read -r bx by bw bh < <(geometry "$box")
dx=$((bx + bw / 2 - mx - mw / 2)) dy=$((by + bh / 2 - my - mh / 2))
((dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2)) || fail "the message box is not centred: off by $dx, $dy"
xdotool windowfocus --sync "$box"
xdotool key Return
status=$(wait_exit)
[[ "$status" != 0 ]] || fail "a failed start reported success"
grep -q "failed to open document" "$E2E_HOME/bad.log" || fail "no message on stderr: $(cat "$E2E_HOME/bad.log")"

echo "e2e shell: all checks passed"
