# The replay page's sources, and the one function that joins a page from
# them: the replay tool's page (trace/) and the browser page (web/) are
# both made by it. Included by trace/CMakeLists.txt, after the target
# ordenamiento_codigo, whose property ORDENAMIENTO_ARCHIVO is the
# codigo.json it writes (each strategy's Ordene, for the code panel).
#
# ordenamiento_junte_pagina(<salida>
#     [OBJETIVO <target>]       a target built by default that writes the page
#     [ESTILO <file.css>]       this page's own style, after the replay page's
#     [MARCADO <file.html>]     this page's own markup, in the header
#     [GUIONES <file.js>...]    this page's own scripts, run after the replay
#                               page's in the order given
#     [TEXTOS <id> <file>...]   texts put in the page's head, each in an
#                               element #<id> that no browser runs, for
#                               this page's scripts to read (the browser
#                               page: its WebAssembly module, and fflate)
#     [ARRANQUE <file.js>...]   this page's scripts run in its head, after
#                               those elements, before the rest is read
#     [DEPENDE <target>...]     what those scripts and those texts are built by
#     [DATOS <text>]            the data put in the page, for a page that
#                               records in the browser: null
#     [SIN_CODIFICADOR]         no GIF encoder as plain inert text: the page
#                               carries it packed among its TEXTOS, as
#                               gifenc-empacado (guardado.js)
#     [EMPACADOS])              of the replay page's scripts, defina.js alone
#                               as an element: the page carries the others
#                               packed among its TEXTOS, and its GUIONES
#                               run them (the browser page)
#
# Without OBJETIVO the page is the output of a custom command of the
# calling folder, for another command there to use. Relative paths are
# taken from the calling folder.

# The replay page's scripts after defina.js, which runs first, in the order
# they run (modelo.js says what each does), as full paths in the list
# <salida>.
function(ordenamiento_guiones_de_pagina salida)
  set(guiones seguido.js modelo.js direccion.js palabras.js escena.js svg.js lamina.js practica.js dibujo_seguido.js arbol.js dibujo.js eleccion.js grafico.js
      ajuste.js teclado.js guardado.js practicar.js sonido.js pantalla_completa.js aviso.js sala.js controles.js)
  list(TRANSFORM guiones PREPEND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/)
  set(${salida} ${guiones} PARENT_SCOPE)
endfunction()

function(ordenamiento_junte_pagina salida)
  cmake_parse_arguments(PARSE_ARGV 1 arg "SIN_CODIFICADOR;EMPACADOS" "OBJETIVO;ESTILO;MARCADO;DATOS"
                        "GUIONES;TEXTOS;ARRANQUE;DEPENDE")
  set(aqui ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  set(guiones "")
  if(NOT arg_EMPACADOS)
    ordenamiento_guiones_de_pagina(guiones)
  endif()
  list(PREPEND guiones ${aqui}/defina.js)
  get_target_property(codigo ordenamiento_codigo ORDENAMIENTO_ARCHIVO)
  # The GIF encoder, carried as inert text that guardado.js turns into code
  # when a GIF is first asked for (third_party/gifenc/README.md).
  set(codificador ${PROJECT_SOURCE_DIR}/third_party/gifenc/gifenc.js)
  if(arg_SIN_CODIFICADOR)
    set(codificador "")
  endif()

  set(extra "")
  foreach(clave IN ITEMS ESTILO MARCADO)
    if(arg_${clave})
      cmake_path(ABSOLUTE_PATH arg_${clave})
      list(APPEND extra -D${clave}_EXTRA=${arg_${clave}})
    endif()
  endforeach()
  set(propios "")
  foreach(archivo IN LISTS arg_GUIONES)
    if(NOT archivo MATCHES "^\\$<")
      cmake_path(ABSOLUTE_PATH archivo)
    endif()
    list(APPEND propios "${archivo}")
  endforeach()
  # The lists reach junte.cmake whole, each as one argument.
  list(JOIN guiones "$<SEMICOLON>" guion)
  if(propios)
    list(JOIN propios "$<SEMICOLON>" guion_extra)
    list(APPEND extra "-DGUION_EXTRA=${guion_extra}")
  endif()
  # Each text's id, then its file.
  set(textos "")
  set(archivos_de_textos "")
  while(arg_TEXTOS)
    list(POP_FRONT arg_TEXTOS id archivo)
    cmake_path(ABSOLUTE_PATH archivo)
    list(APPEND textos ${id} "${archivo}")
    list(APPEND archivos_de_textos "${archivo}")
  endwhile()
  if(textos)
    list(JOIN textos "$<SEMICOLON>" texto_cabeza)
    list(APPEND extra "-DTEXTOS=${texto_cabeza}")
  endif()
  set(arranque "")
  foreach(archivo IN LISTS arg_ARRANQUE)
    cmake_path(ABSOLUTE_PATH archivo)
    list(APPEND arranque "${archivo}")
  endforeach()
  if(arranque)
    list(JOIN arranque "$<SEMICOLON>" guion_cabeza)
    list(APPEND extra "-DGUION_CABEZA=${guion_cabeza}")
  endif()
  if(DEFINED arg_DATOS)
    list(APPEND extra -DDATOS=${arg_DATOS})
  endif()

  add_custom_command(
    OUTPUT ${salida}
    COMMAND ${CMAKE_COMMAND} -DPLANTILLA=${aqui}/pagina.html "-DESTILO=${aqui}/pagina.css$<SEMICOLON>${aqui}/sala.css$<SEMICOLON>${aqui}/impresion.css"
            -DASPECTO=${aqui}/aspecto.json "-DGUION=${guion}" -DCODIGO=${codigo} -DCODIFICADOR=${codificador} ${extra} -DSALIDA=${salida}
            -P ${aqui}/junte.cmake
    DEPENDS ${aqui}/pagina.html ${aqui}/pagina.css ${aqui}/sala.css ${aqui}/impresion.css ${aqui}/aspecto.json ${guiones} ${codigo} ${codificador}
            ${aqui}/junte.cmake ${arg_ESTILO} ${arg_MARCADO} ${propios} ${archivos_de_textos} ${arranque}
            ${arg_DEPENDE}
    COMMENT "Joining the page ${salida}"
    VERBATIM)
  if(arg_OBJETIVO)
    add_custom_target(${arg_OBJETIVO} ALL DEPENDS ${salida})
    # codigo.json is written by a command of trace/, which a target of
    # another folder reaches only through that command's own target.
    add_dependencies(${arg_OBJETIVO} ordenamiento_codigo)
  endif()
endfunction()
