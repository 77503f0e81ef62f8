#ifndef ORDENAMIENTO_SORTING_ORDENADOR_RAPIDO_H_
#define ORDENAMIENTO_SORTING_ORDENADOR_RAPIDO_H_

#include "sorting/algoritmo_ordenador.h"

// Ordenador_Rapido is quicksort. It takes the value in the middle of the
// positions it sorts as the pivot, moves it to the front, and partitions the
// rest with two scans, one from each end, that both stop on a value equal to
// the pivot and exchange the two they stopped on; the pivot then goes
// between the two parts, where it stays, and each part is sorted the same
// way. Stopping on equal values splits a run of them near its middle, so
// all-equal or few-distinct input costs about n lg n comparisons, as do
// sorted and reversed input, whose middle value is their median; random
// input costs about 1.39 n lg n. An input whose middle value is, again and
// again, the smallest of the part being sorted costs about n^2 / 2. It is
// not stable.
class Ordenador_Rapido : public Algoritmo_Ordenador {
 public:
  // What Nombre() returns, for naming the class without building an object.
  static constexpr const char* kNombre = "Ordenador_Rapido";
  // The name a reader is shown.
  static constexpr const char* kNombreVisible = "Rápido";

  void Ordene(Contenedor_Ordenable& C) override;
  ~Ordenador_Rapido() override;
  const char* Nombre() const override;
};

#endif  // ORDENAMIENTO_SORTING_ORDENADOR_RAPIDO_H_
