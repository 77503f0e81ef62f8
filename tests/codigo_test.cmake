# The two scripts that read a strategy's source, run on sources a student
# might write: trace/codigo.cmake (the code the replay page shows) and
# recording/con_lineas.cmake (the copy whose calls carry their lines).
#
# cmake -DRAIZ=<project> -DCARPETA=<scratch folder> -P codigo_test.cmake

cmake_minimum_required(VERSION 3.25)

# Runs a script; its output (warnings included) in salida.
function(corra script salida)
  execute_process(COMMAND ${CMAKE_COMMAND} ${ARGN} -P ${RAIZ}/${script}
                  RESULT_VARIABLE codigo OUTPUT_VARIABLE texto ERROR_VARIABLE texto)
  if(NOT codigo EQUAL 0)
    message(FATAL_ERROR "${script} ended with ${codigo}: ${texto}")
  endif()
  set(${salida} "${texto}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${CARPETA})
# A helper, recursion, a function never called, braces and calls in a
# comment and a string, and a call written over two lines.
set(rapido ${CARPETA}/ordenador_rapido.cc)
file(WRITE ${rapido} [[#include "sorting/ordenador_rapido.h"

namespace {

// Splits at { the middle: C.Es_Menor(a, b) in a comment
int Particione(Contenedor_Ordenable& C, int bajo, int alto) {
  const char* texto = "} C.Intercambie(0, 1) {";
  (void)texto;
  int p = bajo;
  for (int i = bajo + 1; i <= alto; ++i) {
    if (C.Es_Menor(
            i, bajo)) {
      C.Intercambie(++p, i);
    }
  }
  C.Intercambie(bajo, p);
  return p;
}

int Nunca(int x) { return x; }

void Ordene_Rango(Contenedor_Ordenable& C, int bajo, int alto) {
  if (bajo < alto) {
    const int p = Particione(C, bajo, alto);
    Ordene_Rango(C, bajo, p - 1);
    Ordene_Rango(C, p + 1, alto);
  }
}

}  // namespace

Ordenador_Rapido::~Ordenador_Rapido() = default;

void Ordenador_Rapido::Ordene(Contenedor_Ordenable& C) {
  Ordene_Rango(C, 0, static_cast<int>(C.Dimension()) - 1);
}
]])
# Braces that do not pair up: read as a whole, never a stopped build.
set(roto ${CARPETA}/ordenador_roto.cc)
file(WRITE ${roto} "void Ordenador_Roto::Ordene(Contenedor_Ordenable& C) {\n  C.Intercambie(0, 0);\n")

corra(trace/codigo.cmake salida "-DFUENTES=${rapido}\;${roto}"
      -DSALIDA=${CARPETA}/codigo.json)
file(READ ${CARPETA}/codigo.json codigo)
# Particione, Ordene_Rango and Ordene, each a tramo of its own, without
# Nunca, the destructor or the comments.
string(JSON tramos LENGTH "${codigo}" Ordenador_Rapido tramos)
string(JSON desde1 GET "${codigo}" Ordenador_Rapido tramos 0 desde)
string(JSON lineas1 LENGTH "${codigo}" Ordenador_Rapido tramos 0 lineas)
string(JSON desde2 GET "${codigo}" Ordenador_Rapido tramos 1 desde)
string(JSON desde3 GET "${codigo}" Ordenador_Rapido tramos 2 desde)
string(JSON aviso TYPE "${codigo}" Ordenador_Rapido aviso)
if(NOT (tramos EQUAL 3 AND desde1 EQUAL 6 AND lineas1 EQUAL 13 AND
        desde2 EQUAL 22 AND desde3 EQUAL 34 AND aviso STREQUAL "NULL"))
  message(FATAL_ERROR "the quicksort's code shown: ${codigo}")
endif()
string(JSON lineas_rotas LENGTH "${codigo}" Ordenador_Roto tramos 0 lineas)
string(JSON aviso GET "${codigo}" Ordenador_Roto aviso)
# CMake folds the warning's lines where it likes.
string(REGEX REPLACE "[ \n]+" " " salida "${salida}")
if(NOT (lineas_rotas EQUAL 2 AND aviso MATCHES "no se cierra" AND
        salida MATCHES "ordenador_roto.cc: the replay page shows this file whole"))
  message(FATAL_ERROR "a file not read, shown whole with a warning: ${codigo}${salida}")
endif()

# Each call numbered with the line of its name, the comment and the string
# left alone.
corra(recording/con_lineas.cmake salida -DFUENTE=${rapido} -DSALIDA=${CARPETA}/copia.cc)
file(STRINGS ${CARPETA}/copia.cc numeradas REGEX "\\((11|13|16), ")
file(STRINGS ${CARPETA}/copia.cc intactas REGEX "C\\.(Es_Menor|Intercambie)\\((a|0)")
list(LENGTH numeradas n_numeradas)
list(LENGTH intactas n_intactas)
if(NOT (n_numeradas EQUAL 3 AND n_intactas EQUAL 2 AND salida STREQUAL ""))
  message(FATAL_ERROR "the copy's calls: ${numeradas}; ${intactas}; ${salida}")
endif()
