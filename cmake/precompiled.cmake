# Precompiled headers: the standard, toolkit and test-framework headers that
# nearly every source file of a target reads, parsed once per target instead
# of once per file. Only headers from outside the project, so that a change to
# the project's own headers never rebuilds them.
set(TOLVANE_STD_HEADERS <algorithm> <cmath> <functional> <map> <memory> <optional> <string> <vector>)
set(TOLVANE_QT_HEADERS <QApplication> <QLabel> <QLineEdit> <QPainter> <QString> <QWidget>)

# tolvane_precompile(TARGET [QT] [GTEST])
function(tolvane_precompile target)
  cmake_parse_arguments(PARSE_ARGV 1 with "QT;GTEST" "" "")
  if(NOT TOLVANE_PRECOMPILE)
    return()
  endif()
  set(headers ${TOLVANE_STD_HEADERS})
  if(with_QT)
    list(APPEND headers ${TOLVANE_QT_HEADERS})
  endif()
  if(with_GTEST)
    list(APPEND headers <gtest/gtest.h>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
