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

# The strategies are read from their registry, sorting/estrategias.h, by the
# source reader (cmake/lector.cmake): each ::Con<Ordenador_X> there names
# the class Ordenador_X, whose files are sorting/ordenador_x.h and
# sorting/ordenador_x.cc. So a new strategy is its two files and one line,
# and the registry's order is the only one. ORDENAMIENTO_CLASES lists the
# classes in that order, and ORDENAMIENTO_ESTRATEGIAS their sources. A class
# without its files stops configure; a sorting/ordenador_*.cc that no line
# names gets a warning, since nothing would build, test or show it.
include(${CMAKE_CURRENT_LIST_DIR}/lector.cmake)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${ORDENAMIENTO_RAIZ}/sorting/estrategias.h)
# A strategy's file added or removed configures again.
file(GLOB presentes CONFIGURE_DEPENDS ${ORDENAMIENTO_RAIZ}/sorting/ordenador_*.cc)
execute_process(
  COMMAND ${ORDENAMIENTO_LECTOR} registro ${ORDENAMIENTO_RAIZ}/sorting ${ORDENAMIENTO_RAIZ}
  RESULT_VARIABLE resultado OUTPUT_VARIABLE lectura ERROR_VARIABLE error)
if(NOT resultado EQUAL 0)
  # A leading blank keeps CMake from wrapping the one line.
  string(STRIP "${error}" error)
  message(FATAL_ERROR " ${error}")
endif()
string(REPLACE "\n" ";" lectura "${lectura}")
set(ORDENAMIENTO_CLASES "")
set(ORDENAMIENTO_ESTRATEGIAS "")
set(incluidas "")
foreach(linea IN LISTS lectura)
  if(linea MATCHES "^clase (.+)$")
    string(TOLOWER ${CMAKE_MATCH_1} archivo)
    list(APPEND ORDENAMIENTO_CLASES ${CMAKE_MATCH_1})
    list(APPEND ORDENAMIENTO_ESTRATEGIAS ${ORDENAMIENTO_RAIZ}/sorting/${archivo}.cc)
    string(APPEND incluidas "#include \"sorting/${archivo}.h\"\n")
  elseif(linea MATCHES "^aviso (.+)$")
    message(WARNING "${CMAKE_MATCH_1}")
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
