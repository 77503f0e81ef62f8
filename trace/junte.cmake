# Joins the replay page's sources into one self-contained page: the markup
# PLANTILLA with the style ESTILO, the script GUION and the code panel's
# JSON CODIGO (from codigo.cmake) put in its places. Another page built
# from the same files adds its own markup with MARCADO_EXTRA and its own
# script, run after GUION, with GUION_EXTRA; both are optional.
#
# The page keeps the marker @DATOS_TRAZA@ exactly once: the program puts
# its recordings there.
#
# cmake -DPLANTILLA=pagina.html -DESTILO=pagina.css -DGUION=pagina.js
#       -DCODIGO=codigo.json [-DMARCADO_EXTRA=f.html] [-DGUION_EXTRA=f.js]
#       -DSALIDA=pagina_unida.html -P junte.cmake

# How many times aguja stands in texto.
function(cuente texto aguja salida)
  string(LENGTH "${texto}" largo)
  string(REPLACE "${aguja}" "" sin "${texto}")
  string(LENGTH "${sin}" largo_sin)
  string(LENGTH "${aguja}" largo_aguja)
  math(EXPR veces "(${largo} - ${largo_sin}) / ${largo_aguja}")
  set(${salida} ${veces} PARENT_SCOPE)
endfunction()

# The text of the file in variable ${nombre}, or "" when it names none.
# A file meant for an element that it could end by itself stops the build.
function(lea nombre cierre salida)
  set(texto "")
  if(DEFINED ${nombre} AND NOT "${${nombre}}" STREQUAL "")
    file(READ "${${nombre}}" texto)
    string(TOLOWER "${texto}" minusculas)
    string(FIND "${minusculas}" "${cierre}" hallado)
    if(NOT hallado EQUAL -1)
      message(FATAL_ERROR "${${nombre}} holds `${cierre}`, which would end the element that carries it in the page")
    endif()
    cuente("${texto}" "@DATOS_TRAZA@" veces)
    if(NOT veces EQUAL 0)
      message(FATAL_ERROR "${${nombre}} holds the marker @DATOS_TRAZA@, which only ${PLANTILLA} may hold")
    endif()
  endif()
  set(${salida} "${texto}" PARENT_SCOPE)
endfunction()

file(READ "${PLANTILLA}" pagina)
lea(ESTILO "</style" estilo)
lea(GUION "</script" guion)
lea(CODIGO "</script" codigo)
lea(MARCADO_EXTRA "</body" marcado_extra)
lea(GUION_EXTRA "</script" guion_extra)
if(NOT guion_extra STREQUAL "")
  set(guion_extra "<script>\n${guion_extra}</script>")
endif()

foreach(marca IN ITEMS ESTILO CODIGO GUION MARCADO_EXTRA GUION_EXTRA)
  cuente("${pagina}" "@${marca}@" veces)
  if(NOT veces EQUAL 1)
    message(FATAL_ERROR "${PLANTILLA} holds the marker @${marca}@ ${veces} times, not once")
  endif()
endforeach()
foreach(marca IN ITEMS ESTILO CODIGO GUION MARCADO_EXTRA GUION_EXTRA)
  string(TOLOWER "${marca}" variable)
  string(REPLACE "@${marca}@" "${${variable}}" pagina "${pagina}")
endforeach()

cuente("${pagina}" "@DATOS_TRAZA@" veces)
if(NOT veces EQUAL 1)
  message(FATAL_ERROR "${PLANTILLA} holds the marker @DATOS_TRAZA@ ${veces} times, not once")
endif()

file(WRITE "${SALIDA}.tmp" "${pagina}")
# Left untouched when nothing changed, so that nothing after it rebuilds.
file(COPY_FILE "${SALIDA}.tmp" "${SALIDA}" ONLY_IF_DIFFERENT)
file(REMOVE "${SALIDA}.tmp")
