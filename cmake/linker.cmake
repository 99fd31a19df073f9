# The window program keeps the code it runs until its window shows together
# (app/startup-order.txt, written by scripts/startup-order.sh), so that
# start-up maps a few hundred kilobytes of the program instead of nearly all
# of it: the kernel maps a program's pages in blocks of 64 KB around each one
# touched, and start-up code spread over the whole program keeps all of it
# resident. Each function gets its own section, and the linker's own script,
# with the listed functions added at the head of the code, places them.
# Functions missing from the list (new ones) stay where they were; names no
# longer in the program match nothing.
set(TOLVANE_STARTUP_ORDER ${CMAKE_SOURCE_DIR}/app/startup-order.txt)
set(TOLVANE_STARTUP_SCRIPT ${CMAKE_BINARY_DIR}/startup-order.ld)
if(NOT TOLVANE_SANITIZE AND EXISTS ${TOLVANE_STARTUP_ORDER} AND CMAKE_LINKER)
  # The script the linker would use for this program (position-independent,
  # relocations read-only and bound at load).
  execute_process(COMMAND ${CMAKE_LINKER} -pie -z relro -z now --verbose
    OUTPUT_VARIABLE verbose ERROR_QUIET RESULT_VARIABLE failed)
  string(REGEX MATCH "\n=+\n(.*)\n=+" script "${verbose}")
  set(script "${CMAKE_MATCH_1}")
  set(anchor "    *(.text.startup .text.startup.*)\n")
  string(FIND "${script}" "${anchor}" at)
  if(NOT failed AND at GREATER 0)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TOLVANE_STARTUP_ORDER})
    file(STRINGS ${TOLVANE_STARTUP_ORDER} functions REGEX "^[A-Za-z_][A-Za-z0-9_.$]*$")
    # A constructor or destructor is listed by its complete-object name (C1,
    # D1) and compiled under its base-object name (C2, D2), which it shares.
    list(TRANSFORM functions REPLACE "(C|D)1E" "\\1?E")
    list(TRANSFORM functions REPLACE "CI1" "CI?")
    list(TRANSFORM functions PREPEND "    *(.text.")
    list(TRANSFORM functions APPEND ")")
    list(JOIN functions "\n" rules)
    string(REPLACE "${anchor}" "${anchor}    /* app/startup-order.txt */\n${rules}\n" script "${script}")
    file(CONFIGURE OUTPUT ${TOLVANE_STARTUP_SCRIPT} CONTENT "${script}\n" @ONLY)
    include(CheckLinkerFlag)
    check_linker_flag(CXX "-Wl,-T,${TOLVANE_STARTUP_SCRIPT}" TOLVANE_HAVE_ORDERING)
    if(TOLVANE_HAVE_ORDERING)
      add_compile_options(-ffunction-sections)
    endif()
  endif()
endif()
# tolvane_startup_order(TARGET): links TARGET with its start-up code first.
function(tolvane_startup_order target)
  if(TOLVANE_HAVE_ORDERING)
    target_link_options(${target} PRIVATE -Wl,-T,${TOLVANE_STARTUP_SCRIPT})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${TOLVANE_STARTUP_SCRIPT})
  endif()
endfunction()
