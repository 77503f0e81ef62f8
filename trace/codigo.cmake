# Writes SALIDA, a JSON object with the code of each strategy that the
# page's code panel shows, as it stands in its source file:
#
#   {"Ordenador_Burbuja": {"archivo": "sorting/ordenador_burbuja.cc",
#     "tramos": [{"desde": 5, "lineas": ["void Ordenador_Burbuja::Ordene(...) {", ...]}],
#     "aviso": null}, ...}
#
# The panel shows the strategy's Ordene and every function of the same file
# that it calls by name, and those they call, in the order of the file: a
# strategy may use helpers, recursion and any number of lines that call
# Es_Menor or Intercambie. Any function of the file that calls one of them
# is shown too. Each tramo is a run of the file's lines from line desde;
# between two tramos stands code not shown. The page lights the line that
# each recorded call was made from, which the recording itself knows
# (recording/CMakeLists.txt), so nothing here has to find those lines.
#
# Code that cannot be read so (no definition of Ordene, braces that do not
# pair up) never stops the build: the whole file is shown as one tramo,
# with "aviso" saying why, which the page shows without a lit line, and the
# build warns once.
#
# cmake -DFUENTES="a.cc;b.cc" [-DRAIZ=folder] -DSALIDA=codigo.json -P codigo.cmake

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/fuente_cpp.cmake)

# texto as a JSON string. '<' is written \u003c, so that no line of code
# can end the <script> element that carries the JSON.
function(cadena_json texto salida)
  string(REPLACE "\\" "\\\\" texto "${texto}")
  string(REPLACE "\"" "\\\"" texto "${texto}")
  string(REPLACE "\t" "\\t" texto "${texto}")
  string(REPLACE "<" "\\u003c" texto "${texto}")
  set(${salida} "\"${texto}\"" PARENT_SCOPE)
endfunction()

# The class a file's name stands for: ordenador_x.cc holds Ordenador_X.
function(clase_del_archivo fuente salida)
  cmake_path(GET fuente STEM nombre)
  string(REPLACE "_" ";" palabras "${nombre}")
  set(clase "")
  foreach(palabra IN LISTS palabras)
    string(SUBSTRING "${palabra}" 0 1 primera)
    string(SUBSTRING "${palabra}" 1 -1 resto)
    string(TOUPPER "${primera}" primera)
    list(APPEND clase "${primera}${resto}")
  endforeach()
  list(JOIN clase "_" clase)
  set(${salida} "${clase}" PARENT_SCOPE)
endfunction()

# Finds the functions defined in the caller's codigo_<n> lines: for each
# function f from 1 to <funciones>, funcion_<f>_nombre (its name without
# its class), funcion_<f>_desde and funcion_<f>_hasta (its first and last
# lines) and funcion_<f>_cuerpo (the code of its body). A function is a
# '{' at the file's level (or inside a namespace or extern "C") after a
# text with a '(' and no '=' before it. Where the braces do not pair up,
# sets problema, and problema_es for the page, saying why.
macro(halle_funciones)
  set(funciones 0)
  set(pila "")          # what each open brace opened: funcion, espacio, otro
  set(actual 0)         # the function whose body is being read, if any
  set(cabecera "")      # the code since the last declaration at file level
  set(cabecera_desde 0)
  set(problema "")
  foreach(n RANGE 1 ${lineas})
    if(directiva_${n})
      continue()
    endif()
    set(resto "${codigo_${n}}")
    if(actual GREATER 0)
      string(APPEND funcion_${actual}_cuerpo " ")
    else()
      string(APPEND cabecera " ")
    endif()
    while(NOT resto STREQUAL "" AND problema STREQUAL "")
      string(REGEX MATCH "^[^{};]+" trozo "${resto}")
      string(LENGTH "${trozo}" largo)
      string(SUBSTRING "${resto}" ${largo} -1 resto)
      if(actual GREATER 0)
        string(APPEND funcion_${actual}_cuerpo "${trozo}")
      elseif(NOT "${pila}" MATCHES "otro")
        if(cabecera_desde EQUAL 0 AND trozo MATCHES "[^ \t]")
          set(cabecera_desde ${n})
        endif()
        string(APPEND cabecera "${trozo}")
      endif()
      if(resto STREQUAL "")
        break()
      endif()
      string(SUBSTRING "${resto}" 0 1 signo)
      string(SUBSTRING "${resto}" 1 -1 resto)
      if(signo STREQUAL "{")
        if(actual GREATER 0 OR "${pila}" MATCHES "otro")
          list(APPEND pila bloque)
        else()
          if(cabecera MATCHES "(^|[^A-Za-z0-9_])namespace([^A-Za-z0-9_]|$)" OR
             cabecera MATCHES "extern[ \t]*\"\"")
            list(APPEND pila espacio)
          elseif(cabecera MATCHES "\\(" AND NOT cabecera MATCHES "^[^(]*=" AND
                 cabecera MATCHES "([A-Za-z_~][A-Za-z0-9_]*)[ \t]*\\(")
            math(EXPR funciones "${funciones} + 1")
            set(actual ${funciones})
            set(funcion_${actual}_nombre "${CMAKE_MATCH_1}")
            set(funcion_${actual}_cabecera "${cabecera}")
            set(funcion_${actual}_desde ${cabecera_desde})
            set(funcion_${actual}_cuerpo "")
            list(APPEND pila funcion)
          else()
            list(APPEND pila otro)
          endif()
          set(cabecera "")
          set(cabecera_desde 0)
        endif()
      elseif(signo STREQUAL "}")
        list(LENGTH pila abiertas)
        if(abiertas EQUAL 0)
          set(problema "a '}' on line ${n} closes no '{'")
          set(problema_es "la llave '}' de la línea ${n} no cierra ninguna")
          break()
        endif()
        list(POP_BACK pila cerrada)
        if(cerrada STREQUAL "funcion")
          set(funcion_${actual}_hasta ${n})
          set(actual 0)
        elseif(actual GREATER 0)
          string(APPEND funcion_${actual}_cuerpo "}")
        endif()
        if(actual EQUAL 0)
          set(cabecera "")
          set(cabecera_desde 0)
        endif()
      elseif(actual GREATER 0)
        string(APPEND funcion_${actual}_cuerpo "${signo}")
      elseif(NOT "${pila}" MATCHES "otro")
        set(cabecera "")
        set(cabecera_desde 0)
      endif()
    endwhile()
  endforeach()
  if(problema STREQUAL "" AND NOT pila STREQUAL "")
    set(problema "a '{' is never closed")
    set(problema_es "una llave '{' no se cierra nunca")
  endif()
endmacro()

set(objetos "")
set(separador_objetos "")
foreach(fuente IN LISTS FUENTES)
  # The path the page names: from RAIZ, the project's folder, if given.
  set(nombre_archivo "${fuente}")
  if(DEFINED RAIZ)
    cmake_path(RELATIVE_PATH nombre_archivo BASE_DIRECTORY "${RAIZ}")
  endif()
  lea_fuente("${fuente}")
  if(lineas EQUAL 0)
    set(linea_1 "")
    set(codigo_1 "")
    set(lineas 1)
  endif()
  halle_funciones()

  # The functions shown: Ordene, any that calls Es_Menor or Intercambie,
  # and every function those call by name, to the end.
  set(mostradas "")
  set(clase "")
  if(problema STREQUAL "")
    set(por_ver "")
    foreach(f RANGE 1 ${funciones})
      if(funciones EQUAL 0)
        break()
      endif()
      if(funcion_${f}_nombre STREQUAL "Ordene" AND
         funcion_${f}_cabecera MATCHES "([A-Za-z_][A-Za-z0-9_]*)[ \t]*::[ \t]*Ordene[ \t]*\\(")
        set(clase "${CMAKE_MATCH_1}")
        list(APPEND por_ver ${f})
      elseif(funcion_${f}_cuerpo MATCHES "(^|[^A-Za-z0-9_])(Es_Menor|Intercambie)[ \t]*\\(")
        list(APPEND por_ver ${f})
      endif()
    endforeach()
    if(clase STREQUAL "")
      set(problema "no line defines <Class>::Ordene(...) {")
      set(problema_es "ninguna línea define <Clase>::Ordene(...) {")
    endif()
    while(por_ver)
      list(POP_FRONT por_ver f)
      if(f IN_LIST mostradas)
        continue()
      endif()
      list(APPEND mostradas ${f})
      string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*[ \t]*\\(" llamados
             "${funcion_${f}_cuerpo}")
      list(TRANSFORM llamados REPLACE "[ \t]*\\($" "")
      foreach(g RANGE 1 ${funciones})
        if(funcion_${g}_nombre IN_LIST llamados AND NOT g IN_LIST mostradas)
          list(APPEND por_ver ${g})
        endif()
      endforeach()
    endwhile()
  endif()

  # The runs of lines shown: each function from its first line to its last,
  # in the order of the file, joined where only blank lines stand between.
  set(tramos "")
  if(NOT problema STREQUAL "")
    clase_del_archivo("${fuente}" clase)
    message(WARNING "${nombre_archivo}: the replay page shows this file whole, "
      "with no line lit, since ${problema}")
    set(tramos "1-${lineas}")
  else()
    list(SORT mostradas COMPARE NATURAL)
    set(tramo_desde 0)
    foreach(f IN LISTS mostradas)
      set(desde ${funcion_${f}_desde})
      set(hasta ${funcion_${f}_hasta})
      if(tramo_desde GREATER 0)
        set(blancas TRUE)
        math(EXPR primera "${tramo_hasta} + 1")
        math(EXPR ultima "${desde} - 1")
        if(primera LESS_EQUAL ultima)
          foreach(n RANGE ${primera} ${ultima})
            if(linea_${n} MATCHES "[^ \t]")
              set(blancas FALSE)
            endif()
          endforeach()
        endif()
        if(NOT blancas)
          list(APPEND tramos "${tramo_desde}-${tramo_hasta}")
          set(tramo_desde ${desde})
        endif()
      else()
        set(tramo_desde ${desde})
      endif()
      set(tramo_hasta ${hasta})
    endforeach()
    list(APPEND tramos "${tramo_desde}-${tramo_hasta}")
  endif()

  set(json_tramos "")
  set(separador_tramos "")
  foreach(tramo IN LISTS tramos)
    string(REPLACE "-" ";" limites "${tramo}")
    list(GET limites 0 desde)
    list(GET limites 1 hasta)
    set(json_lineas "")
    set(separador_lineas "")
    foreach(n RANGE ${desde} ${hasta})
      cadena_json("${linea_${n}}" linea_json)
      string(APPEND json_lineas "${separador_lineas}${linea_json}")
      set(separador_lineas ", ")
    endforeach()
    string(APPEND json_tramos "${separador_tramos}\n  {\"desde\": ${desde}, \"lineas\": [${json_lineas}]}")
    set(separador_tramos ",")
  endforeach()
  if(problema STREQUAL "")
    set(aviso null)
  else()
    cadena_json("No se pudo leer este código: ${problema_es}." aviso)
  endif()
  cadena_json("${nombre_archivo}" archivo_json)
  string(APPEND objetos "${separador_objetos}\n \"${clase}\": {\"archivo\": ${archivo_json}, \"aviso\": ${aviso}, \"tramos\": [${json_tramos}]}")
  set(separador_objetos ",")

  # Nothing of this file is left for the next.
  foreach(n RANGE 1 ${lineas})
    unset(linea_${n})
    unset(codigo_${n})
    unset(directiva_${n})
  endforeach()
  foreach(f RANGE 1 ${funciones})
    unset(funcion_${f}_nombre)
    unset(funcion_${f}_cabecera)
    unset(funcion_${f}_desde)
    unset(funcion_${f}_hasta)
    unset(funcion_${f}_cuerpo)
  endforeach()
endforeach()

file(WRITE "${SALIDA}.tmp" "{${objetos}\n}\n")
# Left untouched when nothing changed, so that nothing after it rebuilds.
file(COPY_FILE "${SALIDA}.tmp" "${SALIDA}" ONLY_IF_DIFFERENT)
file(REMOVE "${SALIDA}.tmp")
