# How every target of the project is compiled, shared by the project itself
# and by the Release build of the faulty driver that the tests make apart.

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

# The demonstration reports an unsorted result through assert, so assertions
# stay on in every configuration: drop the NDEBUG (-DNDEBUG, or /DNDEBUG for
# MSVC) that CMake puts in the release-style ones.
foreach(tipo IN ITEMS RELEASE RELWITHDEBINFO MINSIZEREL)
  string(REGEX REPLACE "(^| )[-/]DNDEBUG( |$)" " "
         CMAKE_CXX_FLAGS_${tipo} "${CMAKE_CXX_FLAGS_${tipo}}")
endforeach()

# Warnings for every target of the project, in each compiler's own terms.
# Warnings become errors through CMAKE_COMPILE_WARNING_AS_ERROR.
if(NOT TARGET ordenamiento_avisos)
  add_library(ordenamiento_avisos INTERFACE)
  if(MSVC)
    # /utf-8: the sources are UTF-8 whatever the system's code page.
    # _CRT_SECURE_NO_WARNINGS: getenv and the like are standard C++, not
    # mistakes to be warned about.
    target_compile_options(ordenamiento_avisos INTERFACE /W4 /permissive- /utf-8)
    target_compile_definitions(ordenamiento_avisos INTERFACE
      _CRT_SECURE_NO_WARNINGS)
  else()
    target_compile_options(ordenamiento_avisos INTERFACE
      -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
      -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast)
  endif()
endif()

# The sources of both class hierarchies. The containers' are kept apart
# from the strategies' because the tests also build the driver with one
# strategy replaced, and the replay builds the strategies again (below).
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH ORDENAMIENTO_RAIZ)
set(ORDENAMIENTO_CONTENEDORES
  ${ORDENAMIENTO_RAIZ}/containers/contenedor_ordenable.cc
  ${ORDENAMIENTO_RAIZ}/containers/lista_ordenable.cc
  ${ORDENAMIENTO_RAIZ}/containers/vector_ordenable.cc)
set(ORDENAMIENTO_INTERFAZ_ORDENADOR
  ${ORDENAMIENTO_RAIZ}/sorting/algoritmo_ordenador.cc)

# The strategies are read from their registry, sorting/estrategias.h: each
# line `::Con<Ordenador_X>` there names the class Ordenador_X, whose files
# are sorting/ordenador_x.h and sorting/ordenador_x.cc. So a new strategy is
# its two files and one line, and the registry's order is the only one.
# ORDENAMIENTO_ESTRATEGIAS lists their sources in that order.
set(registro_de_estrategias ${ORDENAMIENTO_RAIZ}/sorting/estrategias.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${registro_de_estrategias})
file(STRINGS ${registro_de_estrategias} lineas_del_registro
     REGEX "^[ \t]*::Con<")
set(ORDENAMIENTO_ESTRATEGIAS "")
set(incluidas "")
foreach(linea IN LISTS lineas_del_registro)
  if(NOT linea MATCHES "^[ \t]*::Con<[ \t]*([A-Za-z_][A-Za-z0-9_]*)[ \t]*>")
    message(FATAL_ERROR "sorting/estrategias.h: `${linea}` names no class: "
      "each strategy's line is `::Con<Ordenador_X>`")
  endif()
  set(clase ${CMAKE_MATCH_1})
  string(TOLOWER ${clase} archivo)
  foreach(extension IN ITEMS .h .cc)
    if(NOT EXISTS ${ORDENAMIENTO_RAIZ}/sorting/${archivo}${extension})
      message(FATAL_ERROR "sorting/estrategias.h names ${clase}, but "
        "sorting/${archivo}${extension} does not exist: the strategy ${clase} "
        "is the pair sorting/${archivo}.h and sorting/${archivo}.cc, named "
        "after the class in lower case")
    endif()
  endforeach()
  set(fuente ${ORDENAMIENTO_RAIZ}/sorting/${archivo}.cc)
  if(fuente IN_LIST ORDENAMIENTO_ESTRATEGIAS)
    message(FATAL_ERROR "sorting/estrategias.h names ${clase} twice")
  endif()
  list(APPEND ORDENAMIENTO_ESTRATEGIAS ${fuente})
  string(APPEND incluidas "#include \"sorting/${archivo}.h\"\n")
endforeach()

# A strategy's files without its line in the registry would be built by
# nothing, tested by nothing and shown nowhere: say so, naming the file.
file(GLOB presentes CONFIGURE_DEPENDS ${ORDENAMIENTO_RAIZ}/sorting/ordenador_*.cc)
foreach(fuente IN LISTS presentes)
  if(NOT fuente IN_LIST ORDENAMIENTO_ESTRATEGIAS)
    cmake_path(GET fuente STEM archivo)
    file(STRINGS ${fuente} definiciones REGEX "::Ordene[ \t]*\\(")
    if(definiciones MATCHES "([A-Za-z_][A-Za-z0-9_]*)[ \t]*::Ordene")
      set(clase ${CMAKE_MATCH_1})
    else()
      set(clase "<its class>")
    endif()
    message(WARNING "sorting/${archivo}.cc is in no line of the registry "
      "sorting/estrategias.h, so nothing builds, tests or shows it: add the "
      "line `::Con<${clase}>` there")
  endif()
endforeach()

set(ORDENAMIENTO_ORDENADORES
    ${ORDENAMIENTO_INTERFAZ_ORDENADOR} ${ORDENAMIENTO_ESTRATEGIAS})

# The registry's header includes this one, which CMake writes into the
# build tree, where every target finds it: the header of each strategy.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generado/sorting/estrategias_incluidas.h
     CONTENT "// Written by cmake/compilacion.cmake from sorting/estrategias.h.
#ifndef ORDENAMIENTO_SORTING_ESTRATEGIAS_INCLUIDAS_H_
#define ORDENAMIENTO_SORTING_ESTRATEGIAS_INCLUIDAS_H_

${incluidas}
#endif  // ORDENAMIENTO_SORTING_ESTRATEGIAS_INCLUIDAS_H_
" @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generado)
