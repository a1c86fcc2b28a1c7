# Writes a C++ source holding files as byte arrays, so that the program
# carries its pictures inside and needs no file at run time.
#
#   cmake -DOUTPUT=<file.cpp> -DENTRIES=<Function=path;...> -P embed.cmake
#
# Each Function becomes `std::span<const unsigned char> Function()`, as
# declared in resources/embedded.h.
cmake_minimum_required(VERSION 3.25)

set(text "// Made by resources/embed.cmake from the committed artwork; do not edit.\n")
string(APPEND text "#include \"resources/embedded.h\"\n\nnamespace {\n")
set(functions "")
string(REPEAT "[0-9a-f]" 32 sixteenBytes)
foreach(entry IN LISTS ENTRIES)
  string(REPLACE "=" ";" parts "${entry}")
  list(GET parts 0 function)
  list(GET parts 1 path)
  file(READ "${path}" hex HEX)
  if(hex STREQUAL "")
    message(FATAL_ERROR "embed.cmake: '${path}' is empty")
  endif()
  # Sixteen bytes to a line, each as 0xNN.
  string(REGEX REPLACE "(${sixteenBytes})" "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  get_filename_component(name "${path}" NAME)
  string(APPEND text "\n// ${name}\nconstexpr unsigned char k${function}[] = {\n${hex}\n};\n")
  string(APPEND functions
    "\nstd::span<const unsigned char> ${function}()\n{\n    return k${function};\n}\n")
endforeach()
string(APPEND text "\n}  // namespace\n${functions}")

# Rewrite only on change, so that an unchanged picture recompiles nothing.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL text)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${text}")
