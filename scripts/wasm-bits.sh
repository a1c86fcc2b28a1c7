#!/usr/bin/env bash
# Checks that the core computes the same bits natively and in WebAssembly:
# builds vorlen-same-bits (tests/wasm/) from the layers without cairo,
# fontconfig or FreeType twice, with the system's compiler and with
# Debian's emscripten, runs both (the WebAssembly one under node) and
# compares what they print: a hash of every analysis picture for every
# signal and several parameter sets, and the numbers and pictures of a few
# hundred random designer scripts (fixed starting states) up to the largest designs. Any
# difference fails.
#
#   scripts/wasm-bits.sh            # builds into build-wasm-bits/
#
# Installs emscripten and node when they are missing (apt-get, through sudo
# when not root).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=${VORLEN_WASM_BITS_DIR:-$root/build-wasm-bits}
jobs=${VORLEN_JOBS:-$(nproc)}

source "$root/scripts/emscripten-setup.sh"

# The layers a browser gets: no cairo, fontconfig or FreeType, no tests.
# Natively optimised as scripts/build.sh builds the desktop program (GCC 12
# at -O3 has false alarms in the standard library's strings), in
# WebAssembly as a release for the browser.
layers=(-DVORLEN_GUI=OFF -DVORLEN_CAIRO=OFF -DVORLEN_FREETYPE=OFF -DVORLEN_TESTS=OFF
  -DVORLEN_BENCH=OFF -DVORLEN_SAME_BITS=ON -DVORLEN_WERROR=ON)

echo "== vorlen-same-bits, native"
cmake -S "$root" -B "$work/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${layers[@]}" >/dev/null
cmake --build "$work/native" -j "$jobs" --target vorlen-same-bits vorlen-tables

echo "== vorlen-same-bits, WebAssembly (emscripten $(emcc --version | sed -n '1s/.* \([0-9.]*\) .*/\1/p'))"
emcmake cmake -S "$root" -B "$work/wasm" -DCMAKE_BUILD_TYPE=Release "${layers[@]}" \
  "${emscripten_cmake_args[@]}" \
  -DVORLEN_TABLE_GENERATOR="$work/native/tables/vorlen-tables" >/dev/null
cmake --build "$work/wasm" -j "$jobs" --target vorlen-same-bits

echo "== both runs"
start=$SECONDS
"$work/native/tests/wasm/vorlen-same-bits" >"$work/native.txt"
node --no-experimental-fetch "$work/wasm/tests/wasm/vorlen-same-bits.js" >"$work/wasm.txt"
echo "ran in $((SECONDS - start)) s"
if ! cmp -s "$work/native.txt" "$work/wasm.txt"; then
  diff "$work/native.txt" "$work/wasm.txt" >"$work/differences.txt" || true
  echo "error: native and WebAssembly differ in $(grep -c '^<' "$work/differences.txt") lines" \
    "($work/differences.txt), the first:" >&2
  head -n 20 "$work/differences.txt" >&2
  exit 1
fi
echo "the same bits: $(tail -n 1 "$work/native.txt")"
