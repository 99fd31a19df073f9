# The distribution's hardening flags (stack protector, fortified functions,
# read-only relocations bound at load time), as Debian's own packages are
# built. They come from dpkg-buildflags when it is there; the optimisation and
# debug flags stay with the build type. Off in the sanitizer build, where the
# sanitizers check more than the fortified functions would.
option(TOLVANE_HARDENING "Build with the distribution's hardening flags" ON)
if(TOLVANE_HARDENING AND NOT TOLVANE_SANITIZE)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags)
  if(DPKG_BUILDFLAGS)
    set(ENV{DEB_BUILD_MAINT_OPTIONS} "hardening=+all")
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(COMMAND ${DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
      separate_arguments(flags UNIX_COMMAND "${flags}")
      list(FILTER flags EXCLUDE REGEX "^-(g|O)")
      set(HARDENING_${kind} ${flags})
    endforeach()
  else()
    set(HARDENING_CPPFLAGS -D_FORTIFY_SOURCE=2)
    set(HARDENING_CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
    set(HARDENING_LDFLAGS -Wl,-z,relro -Wl,-z,now)
  endif()
  add_compile_options(${HARDENING_CPPFLAGS} ${HARDENING_CXXFLAGS})
  add_link_options(${HARDENING_LDFLAGS})
endif()

# Relative relocations packed (DT_RELR): the start-up reads and the program
# keeps a few kilobytes of them instead of a hundred.
include(CheckLinkerFlag)
check_linker_flag(CXX "-Wl,-z,pack-relative-relocs" TOLVANE_HAVE_RELR)
if(TOLVANE_HAVE_RELR AND NOT TOLVANE_SANITIZE)
  add_link_options(-Wl,-z,pack-relative-relocs)
endif()
