# One static library per layer of the source tree (core, calc, shell,
# platform). Sources include headers by their path from the repository root
# ("core/app.h"); each layer exports an include directory that holds only a
# link named after the layer, so a layer reaches exactly the headers of the
# layers it links and a forbidden include fails to compile.
set(TOLVANE_LAYER_DIR ${CMAKE_BINARY_DIR}/layers)

function(tolvane_layer name)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${name}/*.cpp ${CMAKE_SOURCE_DIR}/${name}/*.h)
  file(MAKE_DIRECTORY ${TOLVANE_LAYER_DIR}/${name})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${name} ${TOLVANE_LAYER_DIR}/${name}/${name} SYMBOLIC)
  add_library(tolvane_${name} STATIC ${sources} ${ARGN})
  target_include_directories(tolvane_${name} PUBLIC ${TOLVANE_LAYER_DIR}/${name})
endfunction()
