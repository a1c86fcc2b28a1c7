#!/usr/bin/env bash
# A small mutation check: plants each fault of a catalogue (scripts/mutants.txt)
# into a copy of the tree, one at a time, builds the core and vorlen-render
# without the GUI, runs every test, and lists the faults no test caught.
#
#   scripts/mutate.sh [CATALOGUE] [NAME-FILTER]
#
# Each entry of the catalogue names a file, an exact line of source text, its
# replacement and why the fault matters:
#
#   @ polezero/design_edit.cpp
#   - if (std::llabs(dx) > kPickRadius || std::llabs(dy) > kPickRadius) {
#   + if (std::llabs(dx) >= kPickRadius || std::llabs(dy) > kPickRadius) {
#   ? a marker exactly 5 pixels away along x is no longer picked
#
# The text is matched without its leading blanks. Where the file has moved,
# the text is looked for in every source file: found in exactly one, the
# mutant applies there (and the script says so); found nowhere, or in
# several, it no longer applies and is listed as such. With NAME-FILTER only
# entries whose file name or reason contains it run.
#
# It takes a while: the first build of the copy (ten to fifteen minutes on
# two cores), then a rebuild and the whole suite per mutant (ctest stops at
# the first failure, so a caught mutant costs less), some twenty-five
# minutes for the whole catalogue. Not part of CI.
#
# VORLEN_MUTATE_DIR=<folder> keeps the copy and its build there between
# runs: the next run copies only the files that changed and rebuilds only
# what they touch. Without it the copy is temporary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
catalogue=$(realpath "${1:-$root/scripts/mutants.txt}")
filter=${2:-}
if [[ -n ${VORLEN_MUTATE_DIR:-} ]]; then
  mkdir -p "$VORLEN_MUTATE_DIR"
  work=$(cd "$VORLEN_MUTATE_DIR" && pwd)
else
  work=$(mktemp -d /tmp/vorlen-mutate-XXXXXX)
  trap 'rm -rf "$work"' EXIT
fi

echo "== a copy of the tree in $work"
# Tracked files as they are in the work tree, uncommitted changes and new
# files included (this also works from a linked git worktree, whose .git is
# a file). A file is copied only when its bytes differ, so that an unchanged
# one keeps its time and is not rebuilt; a copied one gets a new time. A
# mutant an interrupted run left behind is put back the same way.
copy_tree() {
  local list
  list=$(cd "$root" && git ls-files -z --cached --others --exclude-standard | tr '\0' '\n') || {
    rsync -a --exclude '/build*' --exclude '.git' "$root/" "$work/"
    return
  }
  local file
  while IFS= read -r file; do
    [[ -f $root/$file ]] || continue  # deleted in the work tree
    if ! cmp -s "$root/$file" "$work/$file"; then
      mkdir -p "$(dirname "$work/$file")"
      cp "$root/$file" "$work/$file"
    fi
  done <<<"$list"
  find "$work" -path "$work/build" -prune -o -name '*.orig' -type f -exec rm -f {} +
}
copy_tree
build=$work/build
echo "== building it once (no GUI)"
cmake -S "$work" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLEN_GUI=OFF \
  -DVORLEN_TESTS=ON -DVORLEN_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
home=$(mktemp -d)
# The quick tests first, vorlen-render's (most of the time) only when they
# pass: a fault the core's tests catch costs seconds. Every test has its
# TIMEOUT; --timeout covers any that would lack one.
run_tests() {
  local ctest=(ctest --test-dir "$build" -j "$(nproc)" --timeout 300 --stop-on-failure)
  HOME=$home XDG_CONFIG_HOME=$home/.config "${ctest[@]}" -E '^cli_tests$' >/dev/null 2>&1 &&
    HOME=$home XDG_CONFIG_HOME=$home/.config "${ctest[@]}" -R '^cli_tests$' >/dev/null 2>&1
}
if ! run_tests; then
  echo "error: the tests fail without any mutant; fix that first" >&2
  exit 1
fi

# The file of the tree that holds `text` (without leading blanks) exactly
# once, preferring `file`; empty when there is none or more than one.
locate() {
  local file=$1 text=$2
  if [[ -f $work/$file ]] && [[ $(grep -cF -- "$text" "$work/$file") -eq 1 ]]; then
    echo "$file"
    return
  fi
  local hits
  hits=$(cd "$work" && grep -rlF --include='*.cpp' --include='*.h' -- "$text" \
    picture output workspace dsp forms plot views polezero tables cli 2>/dev/null || true)
  if [[ $(printf '%s' "$hits" | grep -c .) -eq 1 ]] &&
    [[ $(grep -cF -- "$text" "$work/$hits") -eq 1 ]]; then
    echo "$hits"
  fi
}

total=0
killed=0
survivors=()
equivalent=()
wrongly_equivalent=()
stale=()
broken=()
try_mutant() {
  local file=$1 from=$2 to=$3 why=$4
  [[ -z $filter || $file == *"$filter"* || $why == *"$filter"* ]] || return 0
  local where
  where=$(locate "$file" "$from")
  if [[ -z $where ]]; then
    stale+=("$file: '$from' ($why)")
    echo "-- no longer applies: $file: $from"
    return 0
  fi
  [[ $where == "$file" ]] || echo "   ($file has moved: the text is in $where)"
  total=$((total + 1))
  cp "$work/$where" "$work/$where.orig"
  FROM=$from TO=$to perl -0pi -e 's/\Q$ENV{FROM}\E/$ENV{TO}/' "$work/$where"
  local verdict
  if ! cmake --build "$build" -j "$(nproc)" >/dev/null 2>&1; then
    verdict="does not build"
    broken+=("$where: $why")
  elif run_tests; then
    # An entry whose reason says "equivalent:" changes nothing anyone can
    # see: it is expected to survive and is not counted against the tests.
    if [[ $why == equivalent:* ]]; then
      verdict="equivalent"
      equivalent+=("$where: $why")
    else
      verdict="SURVIVED"
      survivors+=("$where: $why")
    fi
  else
    verdict="caught"
    killed=$((killed + 1))
    [[ $why != equivalent:* ]] || wrongly_equivalent+=("$where: $why")
  fi
  mv "$work/$where.orig" "$work/$where"
  touch "$work/$where"
  echo "$verdict: $where: $why"
}

# The catalogue is read on its own descriptor, and nothing a mutant runs
# reads standard input, which would swallow lines of the catalogue.
exec </dev/null
file= from= to= why=
while IFS= read -r line <&3 || [[ -n $line ]]; do
  case $line in
    '@ '*) file=${line#@ } ;;
    '- '*) from=$(sed 's/^ *//' <<<"${line#- }") ;;
    '+ '*) to=$(sed 's/^ *//' <<<"${line#+ }") ;;
    '+') to= ;;
    '? '*)
      why=${line#? }
      try_mutant "$file" "$from" "$to" "$why"
      from= to= why=
      ;;
  esac
done 3<"$catalogue"
# The tree as it was, for the next run of the same folder.
cmake --build "$build" -j "$(nproc)" >/dev/null 2>&1 || true

echo
counted=$((total - ${#equivalent[@]} - ${#broken[@]}))
rate=-
if ((counted > 0)); then
  rate=$(awk -v k="$killed" -v n="$counted" 'BEGIN { printf "%.1f", 100 * k / n }')
fi
echo "== $total mutants: $killed caught, ${#equivalent[@]} equivalent, ${#survivors[@]} survived," \
  "${#broken[@]} did not build, ${#stale[@]} no longer apply; kill rate $rate% of $counted"
if ((${#survivors[@]})); then
  echo "survived:"
  printf '  %s\n' "${survivors[@]}"
fi
if ((${#equivalent[@]})); then
  echo "equivalent (survived, as their entries say):"
  printf '  %s\n' "${equivalent[@]}"
fi
if ((${#wrongly_equivalent[@]})); then
  echo "caught though their entries call them equivalent (fix the catalogue):"
  printf '  %s\n' "${wrongly_equivalent[@]}"
fi
if ((${#broken[@]})); then
  echo "did not build (fix the catalogue):"
  printf '  %s\n' "${broken[@]}"
fi
if ((${#stale[@]})); then
  echo "no longer apply (fix the catalogue):"
  printf '  %s\n' "${stale[@]}"
fi
