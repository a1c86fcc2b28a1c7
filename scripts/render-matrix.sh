#!/usr/bin/env bash
# Writes vorlen-render's pictures and dumps for a wide matrix of commands,
# signals, parameter sets and designer scripts into a folder, so that two
# builds can be compared file by file:
#
#   scripts/render-matrix.sh OLD/vorlen-render old
#   scripts/render-matrix.sh build/cli/vorlen-render new
#   diff -r old new        # nothing: the same bytes
#
# Every analysis command with every signal at several values of a, df, fg,
# M and L (PNG and dump), a few at --scale 2 and as SVG and PDF, and the
# designer's scripts with their dumps, analyses and analysis pictures.
set -euo pipefail
render=$1
out=$2
mkdir -p "$out"

commands=(blank dft filter-spectrum decimation-time decimation-frequency interpolation-time
  interpolation-frequency conversion-time conversion-frequency)
signals=(cosine exponential three-cosines rectangular triangular none)
# a, df, fg, M, L
params=("1 0.1 1.5 3 2" "0.5 0.035 0.3 1 15" "2 0.2 2.5 7 5" "-1 0.05 0.8 15 1"
  "x 0 3.2 0 0" "1e39 1e-3 1 2 3")

n=0
for set in "${params[@]}"; do
  read -r a df fg M L <<<"$set"
  for signal in "${signals[@]}"; do
    n=$((n + 1))
    "$render" all --out-dir "$out/all-$n" --signal "$signal" --a "$a" --df "$df" --fg "$fg" \
      --M "$M" --L "$L" --size 1800x600
  done
done
for cmd in dft decimation-frequency conversion-time; do
  "$render" "$cmd" --scale 2 -o "$out/$cmd@2.png"
  "$render" "$cmd" -o "$out/$cmd.svg"
  "$render" "$cmd" -o "$out/$cmd.pdf"
done

scripts=(
  "press 130,70; press 130,190; poles; press 130,76; press 130,184; move 130,70"
  "press 190,130; poles; press 100,100; reset; move 70,70"
  "pair 190,130; pair 70,130; poles; pair 158,82; pair 166,87; pairs on; drag 166,87 172,92; undo; redo"
  "press 20,20; press 240,240; poles; press 135,130; remove 20,20; move 130,130; open; press 50,60"
  "poles; press 190,130; press 70,130; zeros; press 130,130"
  "press 130,130; press 131,129; poles; press 125,135; press 124,136; move 10,200"
)
i=0
for script in "${scripts[@]}"; do
  i=$((i + 1))
  "$render" polezero -o "$out/pz-$i.png" --dump "$out/pz-$i.json" --events "$script" \
    --analysis "$out/pz-$i-analysis.json" --analysis-csv "$out/pz-$i.csv" \
    --analysis-picture "$out/pz-$i-analysis.png"
  "$render" polezero -o "$out/pz-$i.svg" --events "$script" --analysis-picture "$out/pz-$i-analysis.svg"
  "$render" polezero -o "$out/pz-$i@2.png" --scale 2 --events "$script" \
    --analysis-picture "$out/pz-$i-analysis@2.png"
done
# Designs far past the range of double: 300 zeros in a cluster, then 300 poles.
big="press 130,70"
for k in $(seq 1 299); do big+="; press $((100 + k % 60)),$((60 + k % 50))"; done
big+="; poles"
for k in $(seq 1 300); do big+="; press $((150 + k % 40)),$((150 + k % 70))"; done
"$render" polezero -o "$out/pz-big.png" --dump "$out/pz-big.json" --events "$big" \
  --analysis "$out/pz-big-analysis.json" --analysis-picture "$out/pz-big-analysis.png"
echo "$(find "$out" -type f | wc -l) files in $out"
