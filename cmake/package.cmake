# The Debian package: `cpack -G DEB` (or just `cpack`) in the build folder
# makes vorlen_<version>_<arch>.deb from what `cmake --install` installs.
# dpkg-shlibdeps (package dpkg-dev) finds the shared libraries the programs
# link and declares the packages that hold them: libcairo2 for SVG, PDF and
# scaled pictures among them.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlen)
set(CPACK_PACKAGE_VENDOR "Vorlen developers")
set(CPACK_PACKAGE_CONTACT "Vorlen developers <vorlen@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn the basics of discrete-time signal processing")
# Stripped programs: the package is for running, not for debugging.
set(CPACK_STRIP_FILES ON)
# CPack strips them during its own install, as `cmake --install --strip`
# does; this rule, which runs after every other, then drops the sections
# that strip keeps and Debian's dh_strip removes too: .comment (the
# compiler's version strings) and .note.
install(CODE "set(vorlen_strip \"${CMAKE_STRIP}\")
              set(vorlen_bindir \"${CMAKE_INSTALL_BINDIR}\")")
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program vorlen vorlen-render)
      set(path "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${vorlen_bindir}/${program}")
      if(EXISTS "${path}")
        execute_process(COMMAND "${vorlen_strip}" --remove-section=.comment
                                --remove-section=.note "${path}"
                        RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
          message(FATAL_ERROR "strip --remove-section failed on ${path}")
        endif()
      endif()
    endforeach()
  endif()
]])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Text in every picture is drawn in a monospace font found through
# fontconfig at run time; no library dependency brings one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# The summary above is the description's first line; this is the rest.
set(CPACK_PACKAGE_DESCRIPTION
"Vorlen is a desktop program for students meeting discrete-time signal
processing for the first time, and for teachers who want pictures for
their lectures: a 100-sample test signal and its DFT, a Hamming-window
low-pass FIR filter, decimation, interpolation and sample-rate conversion,
each drawn as stem plots in the time and the frequency domain, and a
pole-zero designer that redraws the magnitude response as zeros and poles
are placed on the z-plane.

The package also holds vorlen-render, which draws the same pictures into
PNG, SVG or PDF files without a display, for slides and lecture notes, and
writes the numbers behind them, and the analysis of a pole-zero design, as
JSON and CSV.")

include(CPack)
