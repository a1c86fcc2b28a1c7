# Sourced by the scripts that build the core with Debian's emscripten
# (wasm-bits.sh, web.sh): installs what is missing and sets
# `emscripten_cmake_args` for emcmake cmake. Needs `root` (the source tree)
# and `work` (a build folder of the caller's).

# Everything the builds need, emscripten and node included, comes from the
# project's one list of packages.
"$root/scripts/install-deps.sh"

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
emscripten_package() {  # name target definitions
  mkdir -p "$packages/$1"
  cat >"$packages/$1/${1,,}-config.cmake" <<PACKAGE
if(NOT TARGET $2)
  add_library($2 INTERFACE IMPORTED)
  set_target_properties($2 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "$packages/include"
                        INTERFACE_COMPILE_DEFINITIONS "$3")
endif()
PACKAGE
  cat >"$packages/$1/${1,,}-config-version.cmake" <<PACKAGE
set(PACKAGE_VERSION 99)
set(PACKAGE_VERSION_COMPATIBLE TRUE)
PACKAGE
}
emscripten_package fmt fmt::fmt-header-only FMT_HEADER_ONLY=1
emscripten_package FastFloat FastFloat::fast_float ""
emscripten_package nlohmann_json nlohmann_json::nlohmann_json ""

# Exceptions are thrown and caught in the core: without -fexceptions
# emscripten aborts on the first throw. Its optimiser needs Debian's
# node-acorn, which node finds through NODE_PATH. Debian's prebuilt
# (frozen) library cache serves these builds as it is: a cache folder of
# our own makes emscripten 3.1.6 rebuild its libraries, and that fails.
# Debian's hardening flags are for glibc programs (fortified calls, the
# stack protector).
export NODE_PATH=/usr/share/nodejs
emscripten_cmake_args=(
  -DVORLEN_HARDENING=OFF
  -DCMAKE_CXX_FLAGS=-fexceptions -DCMAKE_EXE_LINKER_FLAGS=-fexceptions
  -Dfmt_DIR="$packages/fmt" -DFastFloat_DIR="$packages/FastFloat"
  -Dnlohmann_json_DIR="$packages/nlohmann_json"
)
