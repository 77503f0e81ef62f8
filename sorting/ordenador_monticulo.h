#ifndef ORDENAMIENTO_SORTING_ORDENADOR_MONTICULO_H_
#define ORDENAMIENTO_SORTING_ORDENADOR_MONTICULO_H_

#include "sorting/algoritmo_ordenador.h"

// Ordenador_Monticulo is heap sort. It first arranges the values as a
// max-heap, a binary tree kept in the positions themselves: the children
// of position k are 2k + 1 and 2k + 2, and no child is greater than its
// parent, so the largest value is at position 0. Then, n - 1 times, it
// exchanges that largest value with the last position of the heap, where
// it stays, and sinks the value that came to the top back down to restore
// the heap. Sinking costs two comparisons per level, so a sort makes fewer
// than 2 n lg n + 2 n comparisons whatever the input. It is not stable.
class Ordenador_Monticulo : public Algoritmo_Ordenador {
 public:
  // What Nombre() returns, for naming the class without building an object.
  static constexpr const char* kNombre = "Ordenador_Monticulo";
  // The name a reader is shown.
  static constexpr const char* kNombreVisible = "Montículo";

  void Ordene(Contenedor_Ordenable& C) override;
  ~Ordenador_Monticulo() override;
  const char* Nombre() const override;
};

#endif  // ORDENAMIENTO_SORTING_ORDENADOR_MONTICULO_H_
