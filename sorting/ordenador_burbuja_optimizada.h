#ifndef ORDENAMIENTO_SORTING_ORDENADOR_BURBUJA_OPTIMIZADA_H_
#define ORDENAMIENTO_SORTING_ORDENADOR_BURBUJA_OPTIMIZADA_H_

#include "sorting/algoritmo_ordenador.h"

// Ordenador_Burbuja_Optimizada is bubble sort that stops after the first pass
// that exchanges nothing: a sorted container of n elements, n of at least 1,
// costs one pass of n - 1 comparisons (an empty one, none). Otherwise it
// compares and exchanges exactly like Ordenador_Burbuja, and it is stable too.
class Ordenador_Burbuja_Optimizada : public Algoritmo_Ordenador {
 public:
  // What Nombre() returns, for naming the class without building an object.
  static constexpr const char* kNombre = "Ordenador_Burbuja_Optimizada";
  // The name the replay page shows (see Nombre_Visible in
  // sorting/estrategias.h).
  static constexpr const char* kNombreVisible = "Burbuja optimizada";

  void Ordene(Contenedor_Ordenable& C) override;
  ~Ordenador_Burbuja_Optimizada() override;
  const char* Nombre() const override;
};

#endif  // ORDENAMIENTO_SORTING_ORDENADOR_BURBUJA_OPTIMIZADA_H_
