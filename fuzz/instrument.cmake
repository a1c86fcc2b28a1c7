# Included by the top-level CMakeLists.txt before any target is made, when
# VORLEN_FUZZ is on: everything the fuzz targets reach is built with
# AddressSanitizer and UBSan, and with libFuzzer's coverage instrumentation
# where the compiler has libFuzzer (clang with its runtime, e.g. Debian's
# libclang-rt-14-dev). Elsewhere each target is linked with a random-input
# driver instead (random_input_driver.cpp), still under the sanitizers.
include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=fuzzer)
set(CMAKE_REQUIRED_FLAGS -fsanitize=fuzzer)
check_cxx_source_compiles([[
  #include <cstddef>
  #include <cstdint>
  extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }
]] VORLEN_HAVE_LIBFUZZER)
unset(CMAKE_REQUIRED_LINK_OPTIONS)
unset(CMAKE_REQUIRED_FLAGS)

# float-cast-overflow is not part of GCC's "undefined"; a field rule that
# turned an infinity into an int must be caught with either compiler.
add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer
                    -fno-sanitize-recover=all)
add_link_options(-fsanitize=address,undefined,float-cast-overflow)
if(VORLEN_HAVE_LIBFUZZER)
  add_compile_options(-fsanitize=fuzzer-no-link)
else()
  message(STATUS "libFuzzer not available: the fuzz targets run a random-input driver")
endif()
