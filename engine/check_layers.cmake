# cmake -DENGINE_DIR=... -DLAYERS=base,board,... -P check_layers.cmake
#
# Fails when a file of an engine layer includes a header of a layer above
# it, or the engine class that owns them all.
string(REPLACE "," ";" LAYERS "${LAYERS}")
set(above ${LAYERS} engine.h)
foreach(layer IN LISTS LAYERS)
  list(REMOVE_AT above 0)
  file(GLOB files ${ENGINE_DIR}/${layer}/*.h ${ENGINE_DIR}/${layer}/*.cc)
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^#include \"engine/")
    foreach(line IN LISTS includes)
      foreach(higher IN LISTS above)
        if(line MATCHES "\"engine/${higher}[/\"]")
          message(FATAL_ERROR "${file}: ${line} runs upward, from ${layer} to ${higher}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
