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
each drawn as stem plots in the time and the frequency domain.

The package also holds vorlen-render, which draws the same pictures into
PNG, SVG or PDF files without a display, for slides and lecture notes, and
writes the numbers behind them as JSON.")

include(CPack)
