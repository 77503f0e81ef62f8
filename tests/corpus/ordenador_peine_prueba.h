#ifndef ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_PEINE_PRUEBA_H_
#define ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_PEINE_PRUEBA_H_

#include "sorting/algoritmo_ordenador.h"

// Comb sort, written with a free function named as the interface's
// exchange, a template helper and a lambda at namespace scope; around them,
// what the source reader must read as a compiler does (literals and
// comments that hold calls and braces, a string continued with a
// backslash, a raw string, calls split over lines, code under #if 0).
class Ordenador_Peine_Prueba : public Algoritmo_Ordenador {
 public:
  static constexpr const char* kNombre = "Ordenador_Peine_Prueba";
  void Ordene(Contenedor_Ordenable& C) override;
  const char* Nombre() const override { return kNombre; }
};

#endif  // ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_PEINE_PRUEBA_H_
