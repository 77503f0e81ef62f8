# Joins the replay page's sources into one self-contained page: the markup
# PLANTILLA with the style ESTILO, the scripts GUION (a list of files, each
# put in a <script> element of its own, run in the order given), the code
# panel's JSON CODIGO (from the source reader) and the page's look ASPECTO
# (aspecto.json: its colours, and the strategies') put in its places, for
# the scripts to read. Each colour of ASPECTO's "colores" also becomes a
# custom property of the style, --name: value, in a :root rule before
# ESTILO, which uses it as var(--name). Another page built from the same
# files adds its own style with ESTILO_EXTRA, its own markup with
# MARCADO_EXTRA and its own scripts, run after GUION in the order given,
# with GUION_EXTRA (a list of files); all are optional. It may also carry in
# its head the texts TEXTOS (a list of an id and a file, for each text),
# each in an inert element #id, which no browser runs, and the scripts
# GUION_CABEZA (a list of files), which run before the rest of the page is
# read, and the text of the file CODIFICADOR (the GIF encoder) in an inert
# element #gifenc. All these are optional. pagina.cmake's
# ordenamiento_junte_pagina() names them all.
#
# The page keeps the marker @DATOS_TRAZA@ exactly once: the program puts
# its recordings there. A page that records in the browser has DATOS put
# there instead.
#
# cmake -DPLANTILLA=pagina.html -DESTILO="pagina.css;sala.css;impresion.css" -DGUION="a.js;b.js"
#       -DCODIGO=codigo.json -DASPECTO=aspecto.json
#       [-DESTILO_EXTRA=f.css] [-DMARCADO_EXTRA=f.html]
#       [-DGUION_EXTRA="c.js;d.js"] [-DTEXTOS="modulo;f.txt"] [-DGUION_CABEZA=e.js]
#       [-DCODIFICADOR=gifenc.js] [-DDATOS=null]
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

# The text of the file archivo, or "" when archivo is "". A file meant for
# an element that it could end by itself stops the build.
function(lea archivo cierre salida)
  set(texto "")
  if(NOT archivo STREQUAL "")
    file(READ "${archivo}" texto)
    string(TOLOWER "${texto}" minusculas)
    string(FIND "${minusculas}" "${cierre}" hallado)
    if(NOT hallado EQUAL -1)
      message(FATAL_ERROR "${archivo} holds `${cierre}`, which would end the element that carries it in the page")
    endif()
    cuente("${texto}" "@DATOS_TRAZA@" veces)
    if(NOT veces EQUAL 0)
      message(FATAL_ERROR "${archivo} holds the marker @DATOS_TRAZA@, which only ${PLANTILLA} may hold")
    endif()
  endif()
  set(${salida} "${texto}" PARENT_SCOPE)
endfunction()

file(READ "${PLANTILLA}" pagina)
# The style may come in several files, joined in order.
set(estilo "")
foreach(archivo IN LISTS ESTILO)
  lea("${archivo}" "</style" parte)
  string(APPEND estilo "${parte}")
endforeach()
lea("${CODIGO}" "</script" codigo)
lea("${ASPECTO}" "</script" aspecto)

# The colours of aspecto, as the custom properties of a :root rule. A name
# or a value that is not a plain colour (#rrggbb or #rrggbbaa) stops the
# build, so that nothing else reaches the style.
function(propiedades aspecto salida)
  string(JSON cuantos LENGTH "${aspecto}" colores)
  set(regla ":root {\n")
  set(hex "[0-9a-f][0-9a-f]")
  set(indice 0)
  while(indice LESS cuantos)
    string(JSON nombre MEMBER "${aspecto}" colores ${indice})
    string(JSON valor GET "${aspecto}" colores "${nombre}")
    if(NOT nombre MATCHES "^[a-z][a-z-]*$" OR NOT valor MATCHES "^#${hex}${hex}${hex}(${hex})?$")
      message(FATAL_ERROR "${ASPECTO}: the colour \"${nombre}\": \"${valor}\" is not a name of lower-case letters and dashes with a colour #rrggbb or #rrggbbaa")
    endif()
    string(APPEND regla "  --${nombre}: ${valor};\n")
    math(EXPR indice "${indice} + 1")
  endwhile()
  set(${salida} "${regla}}\n" PARENT_SCOPE)
endfunction()
propiedades("${aspecto}" regla)
string(PREPEND estilo "${regla}")
lea("${MARCADO_EXTRA}" "</body" marcado_extra)
lea("${ESTILO_EXTRA}" "</style" estilo_extra)
string(APPEND estilo "${estilo_extra}")
# The style without its comments, indentation and blank lines: a comment
# is no token of CSS, and no CSS string spans lines, so the browser reads
# the same rules from a smaller page. The sources keep theirs.
string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" estilo "${estilo}")
string(REGEX REPLACE "\n[ \t]+" "\n" estilo "${estilo}")
string(REGEX REPLACE "\n\n+" "\n" estilo "${estilo}")

# The files of lista, each in a <script> element of its own, so that a
# browser names the file's own lines in its messages.
function(guiones lista salida)
  set(elementos "")
  foreach(archivo IN LISTS lista)
    lea("${archivo}" "</script" uno)
    string(APPEND elementos "<script>\n${uno}</script>\n")
  endforeach()
  set(${salida} "${elementos}" PARENT_SCOPE)
endfunction()
guiones("${GUION}" guion)
guiones("${GUION_EXTRA}" guion_extra)

# The text of archivo in a data block, an element #id that no browser runs.
function(inerte id archivo salida)
  lea("${archivo}" "</script" texto)
  set(${salida} "<script type=\"text/plain\" id=\"${id}\">${texto}</script>" PARENT_SCOPE)
endfunction()

# The head's texts, in data blocks, and its scripts.
set(cabeza_extra "")
set(textos "${TEXTOS}")
while(textos)
  list(POP_FRONT textos id archivo)
  inerte(${id} "${archivo}" bloque)
  string(APPEND cabeza_extra "${bloque}\n")
endwhile()
guiones("${GUION_CABEZA}" guion_cabeza)
string(APPEND cabeza_extra "${guion_cabeza}")

# The GIF encoder, in a data block too: guardado.js turns it into code only
# when a GIF is asked for, so that a first visit neither runs nor compiles
# it.
set(codificador "")
if(NOT "${CODIFICADOR}" STREQUAL "")
  inerte(gifenc "${CODIFICADOR}" codificador)
endif()

foreach(marca IN ITEMS ESTILO CODIGO ASPECTO GUION MARCADO_EXTRA GUION_EXTRA CABEZA_EXTRA CODIFICADOR)
  cuente("${pagina}" "@${marca}@" veces)
  if(NOT veces EQUAL 1)
    message(FATAL_ERROR "${PLANTILLA} holds the marker @${marca}@ ${veces} times, not once")
  endif()
endforeach()
foreach(marca IN ITEMS ESTILO CODIGO ASPECTO GUION MARCADO_EXTRA GUION_EXTRA CABEZA_EXTRA CODIFICADOR)
  string(TOLOWER "${marca}" variable)
  string(REPLACE "@${marca}@" "${${variable}}" pagina "${pagina}")
endforeach()

cuente("${pagina}" "@DATOS_TRAZA@" veces)
if(NOT veces EQUAL 1)
  message(FATAL_ERROR "${PLANTILLA} holds the marker @DATOS_TRAZA@ ${veces} times, not once")
endif()
if(DEFINED DATOS)
  string(REPLACE "@DATOS_TRAZA@" "${DATOS}" pagina "${pagina}")
endif()

file(WRITE "${SALIDA}.tmp" "${pagina}")
# Left untouched when nothing changed, so that nothing after it rebuilds.
file(COPY_FILE "${SALIDA}.tmp" "${SALIDA}" ONLY_IF_DIFFERENT)
file(REMOVE "${SALIDA}.tmp")
