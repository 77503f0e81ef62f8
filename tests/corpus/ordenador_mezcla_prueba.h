#ifndef ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_MEZCLA_PRUEBA_H_
#define ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_MEZCLA_PRUEBA_H_

#include "sorting/algoritmo_ordenador.h"

// Merge sort in place, as a student writes it: each half sorted by
// recursion, then merged by rotations, the first value of the right half
// that is smaller than the one at i carried down to i by exchanges of
// neighbours.
class Ordenador_Mezcla_Prueba : public Algoritmo_Ordenador {
 public:
  static constexpr const char* kNombre = "Ordenador_Mezcla_Prueba";
  void Ordene(Contenedor_Ordenable& C) override;
  const char* Nombre() const override { return kNombre; }
};

#endif  // ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_MEZCLA_PRUEBA_H_
