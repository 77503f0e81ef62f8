# Writes SALIDA, the strategy's source FUENTE as the replay builds it: the
# same file, in which each call of Es_Menor or Intercambie carries the
# number of the line it stands on,
#
#   if (C.Es_Menor(i, i - 1)) {        on line 9 becomes
#   if (C.Es_Menor(9, i, i - 1)) {
#
# and two macros, defined after the file's last #include, turn that number
# into a note for the recording container before the call is made:
#
#   C.Es_Menor(Contenedor_Registro::Anote_Linea(9, i), i - 1)
#
# The numbers are written here, from the file itself, rather than taken
# from __LINE__, which compilers place differently in a call written over
# several lines. The lines keep their numbers (#line), so that the
# compiler's messages name the strategy's own file and lines.
#
# A call whose '(' is not on the line of its name cannot be numbered so;
# the file is then copied without numbers, its calls note no line, and the
# build says so once.
#
# cmake -DFUENTE=sorting/x.cc [-DRAIZ=folder] -DSALIDA=con_lineas/x.cc -P con_lineas.cmake

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/fuente_cpp.cmake)

lea_fuente("${FUENTE}")
# The file as its warning names it: from RAIZ, the project's folder, if given.
set(nombre_archivo "${FUENTE}")
if(DEFINED RAIZ)
  cmake_path(RELATIVE_PATH nombre_archivo BASE_DIRECTORY "${RAIZ}")
endif()

# The macros go after the last #include, so that no header's code meets
# them, and only the lines after it are numbered.
set(ultima_inclusion 0)
foreach(n RANGE 1 ${lineas})
  if(lineas EQUAL 0)
    break()
  endif()
  if(directiva_${n} AND linea_${n} MATCHES "^[ \t]*#[ \t]*include")
    set(ultima_inclusion ${n})
  endif()
endforeach()

set(llamada "(^|[^A-Za-z0-9_])(Es_Menor|Intercambie)[ \t]*")
set(numerar TRUE)
math(EXPR desde "${ultima_inclusion} + 1")
if(desde LESS_EQUAL lineas)
  foreach(n RANGE ${desde} ${lineas})
    if(codigo_${n} MATCHES "${llamada}$")
      set(numerar FALSE)
      message(WARNING "${nombre_archivo}:${n}: a call of Es_Menor or Intercambie with "
        "its '(' on another line: the replay page lights no line of this file")
      break()
    endif()
  endforeach()
endif()

set(copia "// Written by recording/con_lineas.cmake from ${FUENTE}.
#include \"recording/contenedor_registro.h\"
")
set(macros "#define Es_Menor(linea, i, ...) \\
  Es_Menor(Contenedor_Registro::Anote_Linea(linea, i), __VA_ARGS__)
#define Intercambie(linea, i, ...) \\
  Intercambie(Contenedor_Registro::Anote_Linea(linea, i), __VA_ARGS__)
")
if(numerar AND ultima_inclusion EQUAL 0)
  string(APPEND copia "${macros}")
endif()
string(APPEND copia "#line 1 \"${FUENTE}\"\n")
foreach(n RANGE 1 ${lineas})
  if(lineas EQUAL 0)
    break()
  endif()
  set(linea "${linea_${n}}")
  if(numerar AND n GREATER ultima_inclusion)
    # From the last call of the line back to the first, so that each
    # place found in codigo still stands at the same place in linea.
    set(codigo "${codigo_${n}}")
    set(cola "")
    while(codigo MATCHES "^(.*[^A-Za-z0-9_]|)(Es_Menor|Intercambie)[ \t]*\\(")
      string(LENGTH "${CMAKE_MATCH_0}" parentesis)
      string(LENGTH "${CMAKE_MATCH_1}" nombre)
      string(SUBSTRING "${linea}" ${parentesis} -1 resto)
      set(cola "${n}, ${resto}${cola}")
      string(SUBSTRING "${linea}" 0 ${parentesis} linea)
      string(SUBSTRING "${codigo}" 0 ${nombre} codigo)
    endwhile()
    string(APPEND linea "${cola}")
  endif()
  string(APPEND copia "${linea}\n")
  if(numerar AND n EQUAL ultima_inclusion)
    math(EXPR siguiente "${n} + 1")
    string(APPEND copia "${macros}#line ${siguiente} \"${FUENTE}\"\n")
  endif()
endforeach()

file(WRITE "${SALIDA}.tmp" "${copia}")
# Left untouched when nothing changed, so that nothing after it rebuilds.
file(COPY_FILE "${SALIDA}.tmp" "${SALIDA}" ONLY_IF_DIFFERENT)
file(REMOVE "${SALIDA}.tmp")
