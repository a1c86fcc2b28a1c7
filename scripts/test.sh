#!/usr/bin/env bash
# Installs what is missing, checks the code's layout, builds everything and
# runs every test: the core tests, the GUI and end-to-end tests under a
# private X server, an install into a temporary folder, and the Debian
# package (tests/install); then all of them once more built with
# AddressSanitizer and UBSan; then the core and vorlen-render built without
# the GUI, and the layers without cairo, fontconfig or FreeType; then the
# core's numbers natively and in WebAssembly (scripts/wasm-bits.sh); the
# browser page in Chromium (scripts/web.sh, scripts/web-test.sh); then a
# build without tests, with clang when it is there; the signal-processing
# tests with GCC at -O3 and clang at -O2 and -O3; and last a short run of
# every fuzz target (clang and libFuzzer). Warnings are errors here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

# The code keeps the layout .clang-format describes; apply it with
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
echo "== the code's layout (.clang-format)"
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror)
else
  find "$root" -path "$root/build*" -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run -Werror
fi

build=${VORLEN_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" -DVORLEN_WERROR=ON -DVORLEN_GUI=ON -DVORLEN_TESTS=ON -DVORLEN_BENCH=ON
# A private HOME so that no test reads or writes the user's settings.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
echo "== tests"
HOME=$home XDG_CONFIG_HOME=$home/.config GDK_SCALE=1 \
  xvfb-run -a -s '-screen 0 1600x1200x24' \
  ctest --test-dir "$build" --output-on-failure -j 2 --timeout 600
echo "== the Debian package"
bash "$root/tests/install/package_test.sh" "$build"

echo "== every test again, built with AddressSanitizer and UBSan"
san=${VORLEN_SANITIZE_BUILD_DIR:-$root/build-sanitize}
VORLEN_BUILD_DIR=$san "$root/scripts/build.sh" -DVORLEN_WERROR=ON -DVORLEN_SANITIZE=ON \
  -DVORLEN_GUI=ON -DVORLEN_TESTS=ON -DVORLEN_BENCH=OFF
HOME=$home XDG_CONFIG_HOME=$home/.config GDK_SCALE=1 \
  LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  xvfb-run -a -s '-screen 0 1600x1200x24' \
  ctest --test-dir "$san" --output-on-failure -j 2 --timeout 600

echo "== the core and vorlen-render without the GUI (no wx anywhere)"
nogui=${VORLEN_NOGUI_BUILD_DIR:-$root/build-nogui}
VORLEN_BUILD_DIR=$nogui "$root/scripts/build.sh" -DVORLEN_WERROR=ON -DVORLEN_GUI=OFF \
  -DVORLEN_TESTS=ON -DVORLEN_BENCH=OFF
if grep -rqE --include=flags.make -- '-D__WXGTK__|wx-3\.[0-9]' "$nogui" 2>/dev/null; then
  echo "error: a wx flag reached a build without the GUI" >&2
  exit 1
fi
HOME=$home XDG_CONFIG_HOME=$home/.config ctest --test-dir "$nogui" --output-on-failure -j 2 --timeout 600

# The layers below the desktop's picture tools build with neither cairo nor
# fontconfig nor FreeType, as for the browser: an include of either from the
# wrong layer fails here.
echo "== the layers without picture/cairo/ (no cairo, fontconfig or FreeType)"
bare=${VORLEN_BARE_BUILD_DIR:-$root/build-bare}
VORLEN_BUILD_DIR=$bare "$root/scripts/build.sh" -DVORLEN_WERROR=ON -DVORLEN_GUI=OFF \
  -DVORLEN_CAIRO=OFF -DVORLEN_FREETYPE=OFF -DVORLEN_TESTS=OFF -DVORLEN_BENCH=OFF
if grep -rqE --include=flags.make -- 'cairo|fontconfig|freetype' "$bare"; then
  echo "error: cairo, fontconfig or FreeType reached a build without picture/cairo/" >&2
  exit 1
fi

# The core computes the same bits natively and in WebAssembly: the same
# sweep of pictures and designs, built with GCC and with emscripten, must
# print the same text.
echo "== the same bits natively and in WebAssembly (emscripten)"
VORLEN_WASM_BITS_DIR=${VORLEN_WASM_BITS_DIR:-$root/build-wasm-bits} "$root/scripts/wasm-bits.sh"

# The browser page: the site built with emscripten, then driven in
# Debian's Chromium against the pictures of the vorlen-render built above.
echo "== Vorlen in the browser (Chromium, headless)"
VORLEN_WEB_DIR=${VORLEN_WEB_DIR:-$root/build-web} "$root/scripts/web.sh"
VORLEN_RENDER=$build/cli/vorlen-render VORLEN_SITE=${VORLEN_WEB_DIR:-$root/build-web}/site \
  "$root/scripts/web-test.sh"

# Users build without tests: that build must not look for GoogleTest or
# Google Benchmark (configuring fails if it does, as both are disabled here;
# that they go unused is the point, so CMake is not asked to say so).
# Clang, when installed, compiles it, so that its warnings show up too.
plain=${VORLEN_PLAIN_BUILD_DIR:-$root/build-plain}
compiler=()
if command -v clang++ >/dev/null; then
  compiler=(-DCMAKE_CXX_COMPILER=clang++)
fi
echo "== the core and vorlen-render without tests or the GUI${compiler:+, with clang}"
VORLEN_BUILD_DIR=$plain "$root/scripts/build.sh" "${compiler[@]}" -DVORLEN_WERROR=ON \
  -DVORLEN_GUI=OFF -DVORLEN_TESTS=OFF -DVORLEN_BENCH=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON --no-warn-unused-cli
"$plain/cli/vorlen-render" dft -o "$home/plain.png"

# The DFT rounds every partial sum to float, a rounding that GCC's
# vectoriser has been seen to drop. Its tests run once more at the other
# optimisation levels and with the other compiler.
for variant in "g++ Release" "clang++ RelWithDebInfo" "clang++ Release"; do
  read -r cxx type <<<"$variant"
  command -v "$cxx" >/dev/null || continue
  echo "== the signal-processing tests built with $cxx, $type"
  dir=${VORLEN_PROBE_BUILD_DIR:-$root/build-probe}-$cxx-$type
  cmake -S "$root" -B "$dir" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE="$type" \
    -DVORLEN_WERROR=ON -DVORLEN_GUI=OFF -DVORLEN_TESTS=ON -DVORLEN_BENCH=OFF >/dev/null
  cmake --build "$dir" -j "$(nproc)" --target dsp_tests
  ctest --test-dir "$dir" --output-on-failure -R '^dsp'
done

echo "== a short run of every fuzz target (clang, libFuzzer, sanitizers)"
fuzz=${VORLEN_FUZZ_BUILD_DIR:-$root/build-fuzz}
CC=clang CXX=clang++ VORLEN_BUILD_DIR=$fuzz "$root/scripts/build.sh" -DVORLEN_WERROR=ON \
  -DVORLEN_FUZZ=ON -DVORLEN_GUI=OFF -DVORLEN_TESTS=OFF -DVORLEN_BENCH=OFF
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir "$fuzz" --output-on-failure -j 2 -L fuzz
