# Runs one scenario script through tolvane-cli in a fresh working directory.
# Header lines "#! args: ..." give the command-line arguments; @FILE stands for
# a settings file inside the working directory (absent until first written),
# "#! file NAME: TEXT" writes TEXT into a file of the working directory first,
# "#! expect-exit: N" expects another exit status than 0, "#! path: DIR" makes
# the scratch directory DIR the whole PATH, its files executable.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(STRINGS "${SCRIPT}" header REGEX "^#! ")
set(args "")
set(expected 0)
set(path "")
foreach(line IN LISTS header)
  if(line MATCHES "^#! args: (.*)$")
    separate_arguments(more UNIX_COMMAND "${CMAKE_MATCH_1}")
    list(APPEND args ${more})
  elseif(line MATCHES "^#! file ([^:]+): (.*)$")
    string(REPLACE "\\n" "\n" text "${CMAKE_MATCH_2}")
    file(WRITE "${WORK}/${CMAKE_MATCH_1}" "${text}\n")
  elseif(line MATCHES "^#! expect-exit: ([0-9]+)$")
    set(expected ${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! path: (.*)$")
    set(path "${WORK}/${CMAKE_MATCH_1}")
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
execute_process(COMMAND ${launch} "${CLI}" ${args} "${SCRIPT}"
  WORKING_DIRECTORY "${WORK}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL expected)
  message(FATAL_ERROR "exit status ${status}, expected ${expected}\n--- output\n${out}\n--- errors\n${err}")
endif()
