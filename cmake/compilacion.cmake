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

# The sources of both class hierarchies. The lists are kept apart because
# the tests also build the driver with one strategy replaced. The
# strategies' list holds one file a line, so that a new strategy's line is
# a copy of the last one with the name changed.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH ORDENAMIENTO_RAIZ)
set(ORDENAMIENTO_CONTENEDORES
  ${ORDENAMIENTO_RAIZ}/containers/contenedor_ordenable.cc
  ${ORDENAMIENTO_RAIZ}/containers/lista_ordenable.cc
  ${ORDENAMIENTO_RAIZ}/containers/vector_ordenable.cc)
set(ORDENAMIENTO_ORDENADORES
  ${ORDENAMIENTO_RAIZ}/sorting/algoritmo_ordenador.cc
  ${ORDENAMIENTO_RAIZ}/sorting/ordenador_burbuja.cc
  ${ORDENAMIENTO_RAIZ}/sorting/ordenador_burbuja_optimizada.cc
  ${ORDENAMIENTO_RAIZ}/sorting/ordenador_seleccion.cc
)

# The strategies alone, without their interface: the classes that the
# registry of strategies, sorting/estrategias.h, must list. For it, CMake
# writes sorting/estrategias_incluidas.h into the build tree, where every
# target finds it: the header of each of them (sorting/x.h for sorting/x.cc)
# and how many there are, so that a new strategy needs one line here and one
# there, and the build stops if the registry lacks it.
set(ORDENAMIENTO_ESTRATEGIAS ${ORDENAMIENTO_ORDENADORES})
list(FILTER ORDENAMIENTO_ESTRATEGIAS EXCLUDE REGEX "/algoritmo_ordenador\\.cc$")
set(incluidas "")
foreach(fuente IN LISTS ORDENAMIENTO_ESTRATEGIAS)
  cmake_path(RELATIVE_PATH fuente BASE_DIRECTORY ${ORDENAMIENTO_RAIZ}
             OUTPUT_VARIABLE cabecera)
  cmake_path(REPLACE_EXTENSION cabecera .h)
  string(APPEND incluidas "#include \"${cabecera}\"\n")
endforeach()
list(LENGTH ORDENAMIENTO_ESTRATEGIAS cuantas)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generado/sorting/estrategias_incluidas.h
     CONTENT "// Written by cmake/compilacion.cmake from ORDENAMIENTO_ORDENADORES.
#ifndef ORDENAMIENTO_SORTING_ESTRATEGIAS_INCLUIDAS_H_
#define ORDENAMIENTO_SORTING_ESTRATEGIAS_INCLUIDAS_H_

#include <cstddef>

${incluidas}
constexpr std::size_t kOrdenadoresCompilados = ${cuantas};

#endif  // ORDENAMIENTO_SORTING_ESTRATEGIAS_INCLUIDAS_H_
" @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generado)
