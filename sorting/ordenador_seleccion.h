#ifndef ORDENAMIENTO_SORTING_ORDENADOR_SELECCION_H_
#define ORDENAMIENTO_SORTING_ORDENADOR_SELECCION_H_

#include "sorting/algoritmo_ordenador.h"

// Ordenador_Seleccion is selection sort. For each position i from the front it
// finds the smallest value from i onwards (the first of several equal ones)
// and exchanges it into i. It always makes n * (n - 1) / 2 comparisons and,
// for n of at least 1, n - 1 exchanges (none for an empty container),
// exchanging a position with itself when its value is already in place.
class Ordenador_Seleccion : public Algoritmo_Ordenador {
 public:
  // What Nombre() returns, for naming the class without building an object.
  static constexpr const char* kNombre = "Ordenador_Seleccion";
  // The name the replay page shows (see Nombre_Visible in
  // sorting/estrategias.h).
  static constexpr const char* kNombreVisible = "Selección";

  void Ordene(Contenedor_Ordenable& C) override;
  ~Ordenador_Seleccion() override;
  const char* Nombre() const override;
};

#endif  // ORDENAMIENTO_SORTING_ORDENADOR_SELECCION_H_
