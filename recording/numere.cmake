# Writes SALIDA.h and SALIDA.cc, the copies of a strategy's header and
# source that the replay compiles (numeradas.cmake): those the source
# reader LECTOR writes, in which each call notes its line.
#
# Each copy is first compiled, for its syntax alone, with the settings of
# the library that builds it (the file COMPILAR). Should it fail where the
# file as it is compiles, the replay takes the file as it is, whose calls
# note no line, and the build warns once, naming the file: a strategy that
# compiles always builds. Where neither compiles, the numbered copy is
# kept, and its compiler's messages name the strategy's own lines.
#
# cmake -DLECTOR=<reader> -DCLASE=<class> -DRAIZ=<project> -DCABECERA=<x.h>
#       -DFUENTE=<x.cc> -DSALIDA=<copies/sorting/x> -DSUBCARPETA=sorting
#       -DCOMPILAR=<settings> -P numere.cmake
cmake_minimum_required(VERSION 3.25)
include(${COMPILAR})
cmake_path(GET SALIDA FILENAME archivo)

# Writes both copies into the folder prueba, numbered unless told
# --sin-numeros, and sets compila to whether the source's copy compiles
# there, its header's copy standing in for the header.
function(escriba_y_compile prueba compila)
  set(copia ${prueba}/${SUBCARPETA}/${archivo})
  execute_process(COMMAND ${LECTOR} numere ${CLASE} ${CABECERA} ${FUENTE}
                          ${copia}.h ${copia}.cc ${RAIZ} ${ARGN}
                  RESULT_VARIABLE resultado)
  if(NOT resultado EQUAL 0)
    message(FATAL_ERROR "ordenamiento_lector could not copy ${FUENTE}")
  endif()
  set(incluidos -I${prueba})
  foreach(carpeta IN LISTS INCLUIDOS)
    list(APPEND incluidos -I${carpeta})
  endforeach()
  execute_process(COMMAND ${COMPILADOR} ${incluidos} ${BANDERAS} ${copia}.cc
                  RESULT_VARIABLE resultado OUTPUT_VARIABLE mensajes
                  ERROR_VARIABLE mensajes)
  set(${compila} "${resultado}" PARENT_SCOPE)
  set(mensajes "${mensajes}" PARENT_SCOPE)
endfunction()

set(numeradas ${SALIDA}.numeradas)
set(tal_cual ${SALIDA}.tal_cual)
file(REMOVE_RECURSE ${numeradas} ${tal_cual})
escriba_y_compile(${numeradas} numerada_compila)
set(elegida ${numeradas})
if(NOT numerada_compila EQUAL 0)
  string(REGEX MATCH "[^\n]*error[^\n]*" error "${mensajes}")
  escriba_y_compile(${tal_cual} tal_cual_compila --sin-numeros)
  if(tal_cual_compila EQUAL 0)
    set(elegida ${tal_cual})
    cmake_path(RELATIVE_PATH FUENTE BASE_DIRECTORY ${RAIZ} OUTPUT_VARIABLE nombre)
    message(WARNING "${nombre}: its copy with numbered calls does not "
      "compile (${error}), so the replay builds the file as it is, and its "
      "page lights no line of it")
  endif()
endif()
cmake_path(GET SALIDA PARENT_PATH carpeta)
file(MAKE_DIRECTORY ${carpeta})
foreach(extension IN ITEMS .h .cc)
  # Left untouched when nothing changed, so that nothing after it rebuilds.
  file(COPY_FILE ${elegida}/${SUBCARPETA}/${archivo}${extension}
       ${SALIDA}${extension} ONLY_IF_DIFFERENT)
endforeach()
file(REMOVE_RECURSE ${numeradas} ${tal_cual})
