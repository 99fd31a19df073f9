# Builds the Debian package from the build tree and checks what it holds.
# Usage: cmake -DBUILD=<build dir> -DWORK=<scratch dir> -P check_package.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND cpack -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${WORK}"
  WORKING_DIRECTORY "${WORK}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}\n${err}")
endif()
# The staged tree holds copies of the programs; only the package is kept, so
# that nothing else in the build tree looks like the program.
file(REMOVE_RECURSE "${WORK}/_CPack_Packages")
file(GLOB debs "${WORK}/*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb in ${WORK}, found: ${debs}")
endif()

execute_process(COMMAND dpkg-deb --contents ${debs} OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read ${debs}")
endif()
set(missing "")
foreach(path
    ./usr/bin/tolvane
    ./usr/bin/tolvane-cli
    ./usr/share/applications/tolvane.desktop
    ./usr/share/icons/hicolor/scalable/apps/tolvane.svg
    ./usr/share/icons/hicolor/48x48/apps/tolvane.png
    ./usr/share/icons/hicolor/256x256/apps/tolvane.png
    ./usr/share/man/man1/tolvane.1.gz
    ./usr/share/man/man1/tolvane-cli.1.gz
    ./usr/share/bash-completion/completions/tolvane-cli
    ./usr/share/tolvane/EULA.pdf
    ./usr/share/tolvane/tolvane-help.html
    ./usr/share/metainfo/example.corvex_pcb.tolvane.metainfo.xml
    ./usr/share/doc/tolvane/copyright
    ./usr/share/doc/tolvane/changelog.gz)
  string(FIND "${listing}" " ${path}\n" at)
  if(at EQUAL -1)
    list(APPEND missing ${path})
  endif()
endforeach()
if(NOT listing MATCHES " \\./usr/lib/[^\n ]*tolvane/plugins/libtolvane_plot\\.so\n")
  list(APPEND missing "the plot library")
endif()
if(missing)
  message(FATAL_ERROR "the package lacks: ${missing}\n${listing}")
endif()
# The programs are executable; the package asks for the Qt libraries it links.
if(NOT listing MATCHES "\n-rwxr-xr-x [^\n]* \\./usr/bin/tolvane\n")
  message(FATAL_ERROR "tolvane is not installed as an executable:\n${listing}")
endif()
execute_process(COMMAND dpkg-deb --field ${debs} Package Depends OUTPUT_VARIABLE fields)
if(NOT fields MATCHES "Package: tolvane\n" OR NOT fields MATCHES "libqt6widgets6" OR NOT fields MATCHES "libqt6charts6")
  message(FATAL_ERROR "unexpected control fields:\n${fields}")
endif()
message(STATUS "${debs}\n${fields}")
