# Reading a C++ source file line by line, for the CMake scripts that look
# at a strategy's code: trace/codigo.cmake, which finds the functions the
# replay page shows, and recording/con_lineas.cmake, which writes the copy
# whose calls note their lines.

# Reads fuente into the caller's variables linea_1 ... linea_<lineas> and,
# for each line n:
#   codigo_<n>    the line with its comments and string and character
#                 literals blanked out, space for character, so that names
#                 and braces are read from code alone at the places they
#                 stand in linea_<n>;
#   directiva_<n> TRUE for a preprocessor line (and a line it continues
#                 onto with '\').
# Variables, not a list: a CMake list would split the lines again at
# every ';' of the code. Carriage returns are dropped.
macro(lea_fuente fuente)
  file(READ "${fuente}" texto)
  string(REPLACE "\r" "" texto "${texto}")
  set(lineas 0)
  set(en_comentario FALSE)
  set(en_directiva FALSE)
  while(NOT texto STREQUAL "")
    string(FIND "${texto}" "\n" fin)
    if(fin EQUAL -1)
      set(linea "${texto}")
      set(texto "")
    else()
      string(SUBSTRING "${texto}" 0 ${fin} linea)
      math(EXPR fin "${fin} + 1")
      string(SUBSTRING "${texto}" ${fin} -1 texto)
    endif()
    math(EXPR lineas "${lineas} + 1")
    set(linea_${lineas} "${linea}")
    set(directiva_${lineas} FALSE)
    if(en_directiva OR (NOT en_comentario AND linea MATCHES "^[ \t]*#"))
      set(directiva_${lineas} TRUE)
      if(linea MATCHES "\\\\$")
        set(en_directiva TRUE)
      else()
        set(en_directiva FALSE)
      endif()
    endif()
    set(codigo "")
    set(resto "${linea}")
    while(NOT resto STREQUAL "")
      if(en_comentario)
        string(FIND "${resto}" "*/" fin)
        if(fin EQUAL -1)
          string(LENGTH "${resto}" largo)
        else()
          math(EXPR largo "${fin} + 2")
          set(en_comentario FALSE)
        endif()
      else()
        string(REGEX MATCH "^[^\"'/]+" llano "${resto}")
        string(LENGTH "${llano}" largo)
        string(SUBSTRING "${resto}" ${largo} -1 resto)
        string(APPEND codigo "${llano}")
        if(resto STREQUAL "")
          break()
        elseif(resto MATCHES "^//")
          string(LENGTH "${resto}" largo)
        elseif(resto MATCHES "^/\\*")
          set(largo 2)
          set(en_comentario TRUE)
        elseif(resto MATCHES "^\"([^\"\\\\]|\\\\.)*\"")
          string(LENGTH "${CMAKE_MATCH_0}" largo)
        elseif(resto MATCHES "^'([^'\\\\]|\\\\.)*'")
          string(LENGTH "${CMAKE_MATCH_0}" largo)
        elseif(resto MATCHES "^/")
          # A '/' alone: code.
          string(APPEND codigo "/")
          string(SUBSTRING "${resto}" 1 -1 resto)
          continue()
        else()
          # A digit separator, or a literal left open: blanked alone.
          set(largo 1)
        endif()
      endif()
      string(REPEAT " " ${largo} blanco)
      string(APPEND codigo "${blanco}")
      string(SUBSTRING "${resto}" ${largo} -1 resto)
    endwhile()
    set(codigo_${lineas} "${codigo}")
  endwhile()
endmacro()
