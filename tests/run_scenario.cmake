# Runs one scenario script through tolvane-cli in a fresh working directory.
# Header lines (see docs/scripting.md):
#   #! args: ...            command-line arguments; @FILE is a settings file
#                           inside the working directory (absent until written)
#   #! file NAME: TEXT      writes TEXT (\n for line breaks) into NAME first
#   #! fifo NAME            makes NAME a named pipe first
#   #! dir NAME             makes NAME a directory first
#   #! expect-exit: N       expects another exit status than 0
#   #! expect-output: TEXT  the output (standard output and error) holds TEXT
#   #! golden: FILE         standard output equals FILE, beside the script;
#                           TOLVANE_REGOLD=1 in the environment rewrites FILE
#   #! decimals: point ...  one test per separator: ctest sets DECIMAL, the
#                           run gets --decimal DECIMAL, and @DECIMAL in the
#                           other header lines stands for its name
#   #! path: DIR            makes the scratch directory DIR the whole PATH, its
#                           files executable
#   #! unchecked-messages   the script may end with messages it never checked
#                           with expect-message (else that fails the script)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(STRINGS "${SCRIPT}" header REGEX "^#! ")
set(args "")
set(expected 0)
set(path "")
set(outputs "")
set(golden "")
set(strict --strict)

foreach(line IN LISTS header)
  if(DEFINED DECIMAL)
    string(REPLACE "@DECIMAL" "${DECIMAL}" line "${line}")
  endif()
  if(line MATCHES "^#! args: (.*)$")
    separate_arguments(more UNIX_COMMAND "${CMAKE_MATCH_1}")
    list(APPEND args ${more})
  elseif(line MATCHES "^#! file ([^:]+): (.*)$")
    string(REPLACE "\\n" "\n" text "${CMAKE_MATCH_2}")
    file(WRITE "${WORK}/${CMAKE_MATCH_1}" "${text}\n")
  elseif(line MATCHES "^#! fifo (.+)$")
    execute_process(COMMAND mkfifo "${WORK}/${CMAKE_MATCH_1}" RESULT_VARIABLE made)
    if(NOT made EQUAL 0)
      message(FATAL_ERROR "cannot make the named pipe ${CMAKE_MATCH_1}")
    endif()
  elseif(line MATCHES "^#! dir (.+)$")
    file(MAKE_DIRECTORY "${WORK}/${CMAKE_MATCH_1}")
  elseif(line MATCHES "^#! expect-exit: ([0-9]+)$")
    set(expected ${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! path: (.*)$")
    set(path "${WORK}/${CMAKE_MATCH_1}")
  elseif(line MATCHES "^#! expect-output: (.*)$")
    list(APPEND outputs "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^#! unchecked-messages$")
    set(strict "")
  elseif(line MATCHES "^#! golden: (.*)$")
    get_filename_component(dir "${SCRIPT}" DIRECTORY)
    set(golden "${dir}/${CMAKE_MATCH_1}")
  endif()
endforeach()
set(launch "")
if(path)
  file(MAKE_DIRECTORY "${path}")
  file(GLOB programs "${path}/*")
  if(programs)
    file(CHMOD ${programs} FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  endif()
  set(launch "${CMAKE_COMMAND}" -E env "PATH=${path}")
endif()
list(TRANSFORM args REPLACE "^@FILE$" "${WORK}/settings.ini")

if(DEFINED DECIMAL)
  list(APPEND args --decimal ${DECIMAL})
endif()

execute_process(COMMAND ${launch} "${CLI}" ${strict} ${args} "${SCRIPT}"
  WORKING_DIRECTORY "${WORK}" TIMEOUT 120
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(report "--- output\n${out}\n--- errors\n${err}")
if(NOT status EQUAL expected)
  message(FATAL_ERROR "exit status ${status}, expected ${expected}\n${report}")
endif()
foreach(text IN LISTS outputs)
  string(FIND "${out}${err}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the output lacks \"${text}\"\n${report}")
  endif()
endforeach()
if(golden)
  if("$ENV{TOLVANE_REGOLD}" STREQUAL "1")
    file(WRITE "${golden}" "${out}")
    message(STATUS "rewrote ${golden}")
  elseif(NOT EXISTS "${golden}")
    message(FATAL_ERROR "no golden file ${golden} (TOLVANE_REGOLD=1 writes it)")
  else()
    file(READ "${golden}" want)
    if(NOT want STREQUAL out)
      file(WRITE "${WORK}/actual.txt" "${out}")
      execute_process(COMMAND diff -u "${golden}" "${WORK}/actual.txt" OUTPUT_VARIABLE delta)
      message(FATAL_ERROR "the output differs from ${golden} "
                          "(TOLVANE_REGOLD=1 rewrites it; review the diff):\n${delta}")
    endif()
  endif()
endif()
