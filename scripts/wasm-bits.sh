#!/usr/bin/env bash
# Checks that the core computes the same bits natively and in WebAssembly:
# builds vorlen-same-bits (tests/wasm/) from the layers without cairo,
# fontconfig or FreeType twice, with the system's compiler and with
# Debian's emscripten, runs both (the WebAssembly one under node) and
# compares what they print: a hash of every analysis picture for every
# signal and several parameter sets, and the numbers and pictures of a few
# hundred seeded random designer scripts up to the largest designs. Any
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

missing=()
for p in emscripten nodejs cmake make g++; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing missing packages: ${missing[*]}"
  sudo=()
  [[ $(id -u) -eq 0 ]] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The layers a browser gets: no cairo, fontconfig or FreeType, no tests.
# Natively optimised as scripts/build.sh builds the desktop program (GCC 12
# at -O3 has false alarms in the standard library's strings), in
# WebAssembly as a release for the browser.
layers=(-DVORLEN_GUI=OFF -DVORLEN_CAIRO=OFF -DVORLEN_FREETYPE=OFF -DVORLEN_TESTS=OFF
  -DVORLEN_BENCH=OFF -DVORLEN_SAME_BITS=ON -DVORLEN_WERROR=ON)

echo "== vorlen-same-bits, native"
cmake -S "$root" -B "$work/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${layers[@]}" >/dev/null
cmake --build "$work/native" -j "$jobs" --target vorlen-same-bits vorlen-tables

# emscripten's CMake looks for packages in its own sysroot only. fmt,
# fast_float and nlohmann/json are header-only: each gets a package file
# naming a folder that holds its headers alone (never all of /usr/include,
# whose C library headers are not emscripten's).
packages=$work/wasm-packages
rm -rf "$packages"
mkdir -p "$packages/include"
for dir in fmt fast_float nlohmann; do
  ln -s "/usr/include/$dir" "$packages/include/$dir"
done
package() {  # name target definitions
  mkdir -p "$packages/$1"
  cat >"$packages/$1/${1,,}-config.cmake" <<EOF
if(NOT TARGET $2)
  add_library($2 INTERFACE IMPORTED)
  set_target_properties($2 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "$packages/include"
                        INTERFACE_COMPILE_DEFINITIONS "$3")
endif()
EOF
  cat >"$packages/$1/${1,,}-config-version.cmake" <<EOF
set(PACKAGE_VERSION 99)
set(PACKAGE_VERSION_COMPATIBLE TRUE)
EOF
}
package fmt fmt::fmt-header-only FMT_HEADER_ONLY=1
package FastFloat FastFloat::fast_float ""
package nlohmann_json nlohmann_json::nlohmann_json ""

echo "== vorlen-same-bits, WebAssembly (emscripten $(emcc --version | sed -n '1s/.* \([0-9.]*\) .*/\1/p'))"
# Exceptions are thrown and caught in the core: without -fexceptions
# emscripten aborts on the first throw. Its optimiser needs Debian's
# node-acorn, which node finds through NODE_PATH. Debian's prebuilt
# (frozen) library cache serves this build as it is. Debian's hardening
# flags are for glibc programs (fortified calls, the stack protector).
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S "$root" -B "$work/wasm" -DCMAKE_BUILD_TYPE=Release "${layers[@]}" \
  -DVORLEN_HARDENING=OFF \
  -DCMAKE_CXX_FLAGS=-fexceptions -DCMAKE_EXE_LINKER_FLAGS=-fexceptions \
  -DVORLEN_TABLE_GENERATOR="$work/native/tables/vorlen-tables" \
  -Dfmt_DIR="$packages/fmt" -DFastFloat_DIR="$packages/FastFloat" \
  -Dnlohmann_json_DIR="$packages/nlohmann_json" >/dev/null
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
