# Writes the Debian copyright file in the machine-readable format, with the
# licence agreement (docs/EULA.md) as the licence text.
# Usage: cmake -DEULA=<EULA.md> -DOUTPUT=<copyright> -P make_copyright.cmake
file(STRINGS "${EULA}" lines)
set(text "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^#+ *" "" line "${line}")
  if(line STREQUAL "")
    string(APPEND text " .\n")
  else()
    string(APPEND text " ${line}\n")
  endif()
endforeach()
file(WRITE "${OUTPUT}"
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Tolvane
Upstream-Contact: Corvex PCB Design <support@corvex-pcb.example>
Source: https://www.corvex-pcb.example

Files: *
Copyright: 2026 Corvex PCB Design, Inc.
License: Tolvane-EULA

License: Tolvane-EULA
${text}")
