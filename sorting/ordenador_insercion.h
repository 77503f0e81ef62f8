#ifndef ORDENAMIENTO_SORTING_ORDENADOR_INSERCION_H_
#define ORDENAMIENTO_SORTING_ORDENADOR_INSERCION_H_

#include "sorting/algoritmo_ordenador.h"

// Ordenador_Insercion is insertion sort by exchanges of neighbours. Positions
// 0 to i - 1 are already sorted; the value at i is exchanged with the one
// before it while it is the smaller, so it walks back to its place. Each
// exchange puts right one pair out of order, so it makes exactly as many
// exchanges as the input has inversions: none on sorted input, n * (n - 1)
// / 2 on reversed input. It makes at most n - 1 comparisons more than
// exchanges, one for each value's scan that stops on a smaller or equal
// value. Equal values are never exchanged, so they keep their order.
class Ordenador_Insercion : public Algoritmo_Ordenador {
 public:
  // What Nombre() returns, for naming the class without building an object.
  static constexpr const char* kNombre = "Ordenador_Insercion";
  // The name a reader is shown.
  static constexpr const char* kNombreVisible = "Inserción";

  void Ordene(Contenedor_Ordenable& C) override;
  ~Ordenador_Insercion() override;
  const char* Nombre() const override;
};

#endif  // ORDENAMIENTO_SORTING_ORDENADOR_INSERCION_H_
