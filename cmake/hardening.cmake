# The hardening Debian gives its own packages (dpkg-buildflags with
# hardening=+all): a stack protector, fortified libc calls, format-string
# errors, and a global offset table made read-only at start-up (relro and
# bindnow). Position-independent executables are Debian's compiler default.
#
# The sanitizer and fuzz builds go without: AddressSanitizer replaces the
# same libc calls that _FORTIFY_SOURCE wraps.

option(VORLEN_HARDENING "Build with Debian's hardening flags" ON)

if(VORLEN_HARDENING AND NOT VORLEN_SANITIZE AND NOT VORLEN_FUZZ)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  # Fortified calls need the optimiser (glibc warns without it), and a value
  # the user already chose in the flags is kept rather than redefined.
  if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  endif()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
