#!/usr/bin/env bash
# Settings files that cannot be used: the program starts at once with no
# dialog, with at most one line on stderr, and with an empty recent-file
# list; its next clean exit leaves a sound file, or leaves a folder or FIFO
# in the file's place as it was, with nothing beside it.
VORLEN=$1
source "$(dirname "$0")/e2e_lib.sh"

folder="$XDG_CONFIG_HOME/Local AppWizard-Generated Applications"
conf="$folder/Vorlen.conf"
sound=$'[Recent\\ File\\ List]\nFile1=\nFile2=\nFile3=\nFile4='

# start_and_exit CASE: starts the program on the settings in place, checks
# that only the main window shows, and ends it with File > Exit.
start_and_exit() {
  start_vorlen
  shown=$(xdotool search --all --onlyvisible --pid "$VORLEN_PID" --name '' 2>/dev/null | wc -l)
  [[ "$shown" == 1 ]] || fail "$1: $shown windows instead of the main window alone"
  choose_from_file_menu Up
  status=$(wait_exit)
  [[ "$status" == 0 ]] || fail "$1: Exit gave '$status'"
  lines=$(wc -l <"$E2E_HOME/out.log")
  ((lines <= 1)) || fail "$1: $lines lines on stderr: $(head -c 2000 "$E2E_HOME/out.log")"
}

# The damaged files: written, used for a start, replaced by a sound one.
mkdir -p "$folder"
for damage in nameless-entry section-twice binary 50-megabytes; do
  case $damage in
    nameless-entry) printf '=x\n' >"$conf" ;;
    section-twice) printf '[Recent File List]\nFile1=/a\n[Recent File List]\nFile2=/b\n' >"$conf" ;;
    binary) head -c 4096 /dev/urandom >"$conf" ;;
    50-megabytes) head -c 50M < <(base64 -w 100 /dev/urandom) >"$conf" ;;
  esac
  start_and_exit "$damage"
  grep -q "settings file" "$E2E_HOME/out.log" || fail "$damage: not reported on stderr"
  [[ "$(cat "$conf")" == "$sound" ]] || fail "$damage: the file left is '$(head -c 200 "$conf")'"
done

# The sound file gives a start without a word.
start_and_exit "sound"
[[ ! -s "$E2E_HOME/out.log" ]] || fail "a sound file was reported: $(cat "$E2E_HOME/out.log")"

# A folder and a FIFO in the file's place stay as they are.
for thing in folder fifo; do
  rm -rf "$conf"
  if [[ $thing == folder ]]; then mkdir "$conf"; else mkfifo "$conf"; fi
  start_and_exit "$thing"
  if [[ $thing == folder ]]; then [[ -d "$conf" ]]; else [[ -p "$conf" ]]; fi || fail "$thing was replaced"
  left=$(find "$folder" -mindepth 1 -maxdepth 1 | wc -l)
  [[ "$left" == 1 ]] || fail "$thing: files left beside it: $(ls -A "$folder")"
done

echo "e2e settings: all checks passed"
