# One library per folder of the program, and a folder's headers visible only
# to the folder itself and to what links it.
#
# Every header is included by its path from the source root
# ("picture/raster.h"). A layer's target does not get the source root as an
# include directory: it gets a folder of its own in the build tree holding a
# link to each of its headers under the same path. Linking a layer brings
# its headers (and, for PUBLIC links, those of the layers below it) into
# view; an include of a layer that is not linked fails to build.

# vorlen_layer(<target> <folder> <sources...>): a static library of the
# sources of one folder.
function(vorlen_layer target folder)
  add_library(${target} STATIC ${ARGN})
  target_compile_options(${target} PRIVATE ${VORLEN_WARNINGS})
  vorlen_layer_headers(${target} ${folder})
endfunction()

# vorlen_layer_headers(<target> <folders...>): the headers directly in each
# folder (not in its subfolders) made visible to <target> and to what links
# it.
function(vorlen_layer_headers target)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${root})
  foreach(folder IN LISTS ARGN)
    file(MAKE_DIRECTORY ${root}/${folder})
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    foreach(header IN LISTS headers)
      get_filename_component(name ${header} NAME)
      file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
    endforeach()
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# vorlen_layer_table(<target> <folder> <header> <table>): the header
# <folder>/<header>, written at build time by `vorlen-tables <table>`
# (tables/), compiled into <target> and visible to its own sources only.
function(vorlen_layer_table target folder header table)
  set(root ${CMAKE_BINARY_DIR}/generated/${target})
  set(output ${root}/${folder}/${header})
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${root}/${folder}
    COMMAND vorlen-tables ${table} ${output}
    DEPENDS vorlen-tables
    COMMENT "Tabulating ${table} for ${folder}/"
    VERBATIM
  )
  target_sources(${target} PRIVATE ${output})
  target_include_directories(${target} PRIVATE ${root})
endfunction()
