# Writes SALIDA, a JSON object with the text of each strategy's Ordene as
# it stands in its source file, for the page's code panel:
#
#   {"Ordenador_Burbuja": {"archivo": "sorting/ordenador_burbuja.cc", "desde": 5,
#     "lineas": ["void Ordenador_Burbuja::Ordene(...) {", ...],
#     "es_menor": 9, "intercambie": 10}, ...}
#
# desde is the file's number of the first line, es_menor and intercambie
# the numbers of the one line that calls C.Es_Menor and of the one that
# calls C.Intercambie. The page lights those lines as the calls replay, so
# each kind of call must come from exactly one line: anything else stops
# the build with a message that names the file and the lines.
#
# cmake -DFUENTES="a.cc;b.cc" [-DRAIZ=folder] -DSALIDA=codigo.json -P codigo.cmake

# texto as a JSON string. '<' is written \u003c, so that no line of code
# can end the <script> element that carries the JSON.
function(cadena_json texto salida)
  string(REPLACE "\\" "\\\\" texto "${texto}")
  string(REPLACE "\"" "\\\"" texto "${texto}")
  string(REPLACE "\t" "\\t" texto "${texto}")
  string(REPLACE "\r" "" texto "${texto}")
  string(REPLACE "<" "\\u003c" texto "${texto}")
  set(${salida} "\"${texto}\"" PARENT_SCOPE)
endfunction()

# The lines that call `C.${llamada}(`, checked to be exactly one.
function(linea_de_llamada archivo llamada numeros salida)
  list(LENGTH numeros cuantas)
  if(cuantas EQUAL 0)
    message(FATAL_ERROR "${archivo}: Ordene has no line that calls C.${llamada}; the page's code panel needs exactly one")
  elseif(cuantas GREATER 1)
    string(REPLACE ";" ", " lista "${numeros}")
    message(FATAL_ERROR "${archivo}: Ordene calls C.${llamada} from lines ${lista}; the page's code panel needs exactly one line for each kind of call")
  endif()
  set(${salida} ${numeros} PARENT_SCOPE)
endfunction()

set(objetos "")
foreach(fuente IN LISTS FUENTES)
  file(READ "${fuente}" texto)
  # The path the page names: from RAIZ, the project's folder, if given.
  set(nombre_archivo "${fuente}")
  if(DEFINED RAIZ)
    cmake_path(RELATIVE_PATH nombre_archivo BASE_DIRECTORY "${RAIZ}")
  endif()
  # Walks the file line by line with string(FIND): a CMake list would split
  # the lines again at every ';' of the code.
  set(numero 0)
  set(clase "")
  set(dentro FALSE)
  set(terminada FALSE)
  set(lineas "")
  set(es_menor "")
  set(intercambie "")
  while(NOT texto STREQUAL "" AND NOT terminada)
    string(FIND "${texto}" "\n" fin)
    if(fin EQUAL -1)
      set(linea "${texto}")
      set(texto "")
    else()
      string(SUBSTRING "${texto}" 0 ${fin} linea)
      math(EXPR resto "${fin} + 1")
      string(SUBSTRING "${texto}" ${resto} -1 texto)
    endif()
    math(EXPR numero "${numero} + 1")
    if(NOT dentro)
      if(linea MATCHES "^void ([A-Za-z_][A-Za-z0-9_]*)::Ordene\\(Contenedor_Ordenable& C\\) {")
        set(clase "${CMAKE_MATCH_1}")
        set(desde ${numero})
        set(dentro TRUE)
      endif()
    endif()
    if(dentro)
      cadena_json("${linea}" linea_json)
      string(APPEND lineas "${separador_lineas}${linea_json}")
      set(separador_lineas ", ")
      string(FIND "${linea}" "C.Es_Menor(" hallado)
      if(NOT hallado EQUAL -1)
        list(APPEND es_menor ${numero})
      endif()
      string(FIND "${linea}" "C.Intercambie(" hallado)
      if(NOT hallado EQUAL -1)
        list(APPEND intercambie ${numero})
      endif()
      if(linea MATCHES "^}")
        set(terminada TRUE)
      endif()
    endif()
  endwhile()
  unset(separador_lineas)
  if(clase STREQUAL "")
    message(FATAL_ERROR "${fuente}: no line starts `void <Clase>::Ordene(Contenedor_Ordenable& C) {`, which the page's code panel shows")
  endif()
  if(NOT terminada)
    message(FATAL_ERROR "${fuente}: ${clase}::Ordene, from line ${desde}, has no closing `}` at the start of a line")
  endif()
  linea_de_llamada("${fuente}" Es_Menor "${es_menor}" es_menor)
  linea_de_llamada("${fuente}" Intercambie "${intercambie}" intercambie)
  string(APPEND objetos "${separador_objetos}\n \"${clase}\": {\"archivo\": \"${nombre_archivo}\", \"desde\": ${desde}, \"es_menor\": ${es_menor}, \"intercambie\": ${intercambie},\n  \"lineas\": [${lineas}]}")
  set(separador_objetos ",")
endforeach()

file(WRITE "${SALIDA}.tmp" "{${objetos}\n}\n")
# Left untouched when nothing changed, so that nothing after it rebuilds.
file(COPY_FILE "${SALIDA}.tmp" "${SALIDA}" ONLY_IF_DIFFERENT)
file(REMOVE "${SALIDA}.tmp")
