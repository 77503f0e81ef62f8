#ifndef ORDENAMIENTO_TESTS_APOYO_H_
#define ORDENAMIENTO_TESTS_APOYO_H_

#include <string>
#include <type_traits>
#include <vector>

#include "containers/contenedor_ordenable.h"

// What C.ImprimaSe() writes to standard output.
std::string Impresion(const Contenedor_Ordenable& C);

// The values of C in position order, read back from its printout.
std::vector<int> Contenido(const Contenedor_Ordenable& C);

// The printout of a container holding valores, without its end of line.
std::string Formato(const std::vector<int>& valores);

// The first n results of rand() % 100 after srand(semilla).
std::vector<int> Sorteo(unsigned semilla, unsigned n);

// Names each case of a typed test after the class it runs on: a strategy,
// built by default, or a container, built empty.
struct NombreDeClase {
  template <typename T>
  static std::string GetName(int /*indice*/) {
    if constexpr (std::is_default_constructible_v<T>) {
      return T().Nombre();
    } else {
      return T(0).Nombre();
    }
  }
};

#endif  // ORDENAMIENTO_TESTS_APOYO_H_
