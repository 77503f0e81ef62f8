// The demonstration: each of the three sorting strategies sorts each of the
// two containers, and the report shows every container before and after.

#include <cassert>
#include <cstdlib>
#include <ctime>
#include <iostream>

#include "containers/contenedor_ordenable.h"
#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "sorting/algoritmo_ordenador.h"
#include "sorting/ordenador_burbuja.h"
#include "sorting/ordenador_burbuja_optimizada.h"
#include "sorting/ordenador_seleccion.h"

// An unsorted result is reported through assert; without it the program
// would print the error line and still exit with status 0.
#ifdef NDEBUG
#error "ordenamiento needs assert: build it without NDEBUG"
#endif

namespace {

constexpr int kEstrategias = 3;
constexpr int kContenedores = 2;
constexpr unsigned kElementos = 20;

// Creates strategy number a: 0 bubble sort, 1 bubble sort with early exit,
// 2 selection sort.
Algoritmo_Ordenador* Cree_Ordenador(int a) {
  if (a == 0) {
    return new Ordenador_Burbuja;
  }
  if (a == 1) {
    return new Ordenador_Burbuja_Optimizada;
  }
  return new Ordenador_Seleccion;
}

// Creates container number c, filled with kElementos values: 0 the array,
// 1 the linked list.
Contenedor_Ordenable* Cree_Contenedor(int c) {
  if (c == 0) {
    return new Vector_Ordenable(kElementos);
  }
  return new Lista_Ordenable(kElementos);
}

}  // namespace

int main() {
  srand(static_cast<unsigned>(time(nullptr)));
  std::cout << std::endl << std::endl << std::endl;

  for (int a = 0; a < kEstrategias; ++a) {
    for (int c = 0; c < kContenedores; ++c) {
      std::cout << std::endl
                << "======================"
                << "======================"
                << "======================" << std::endl;

      Algoritmo_Ordenador* ordenador = Cree_Ordenador(a);
      Contenedor_Ordenable* contenedor = Cree_Contenedor(c);

      std::cout << "<<< " << a * kContenedores + c + 1 << " >>> => "
                << contenedor->Nombre() << " <===> " << ordenador->Nombre()
                << std::endl;

      std::cout << std::endl << "[Sin orden]: ";
      contenedor->ImprimaSe();

      ordenador->Ordene(*contenedor);

      std::cout << std::endl << "[Ordenados]: ";
      contenedor->ImprimaSe();

      if (!Esta_Ordenado(*contenedor)) {
        std::cout << std::endl
                  << "ERRROR: El contenedor " << contenedor->Nombre()
                  << " NO est\xE1 ordenado" << std::endl;
        assert("ERRROR: El contenedor NO est\xE1 ordenado" && false);
      }

      delete ordenador;
      delete contenedor;
    }
  }

  // Every line was flushed as it was written, so a failed stream here means
  // part of the report never reached standard output (closed, or a full
  // device): that is a failure, not a success.
  if (!std::cout) {
    std::cerr << "ERROR: no se pudo escribir el informe" << std::endl;
    return EXIT_FAILURE;
  }
  return 0;
}
