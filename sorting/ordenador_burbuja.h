#ifndef ORDENAMIENTO_SORTING_ORDENADOR_BURBUJA_H_
#define ORDENAMIENTO_SORTING_ORDENADOR_BURBUJA_H_

#include "sorting/algoritmo_ordenador.h"

// Ordenador_Burbuja is plain bubble sort. Each pass compares neighbours from
// the front, (1, 0), (2, 1) and so on, exchanging them when the later value is
// strictly less, which carries the largest value of the pass to its end. It
// always makes Dimension() passes, each one shorter than the one before, so
// the last covers a single element and compares nothing: n * (n - 1) / 2
// comparisons in all, and one exchange per inversion. Equal values are never
// exchanged, so it is stable.
class Ordenador_Burbuja : public Algoritmo_Ordenador {
 public:
  // What Nombre() returns, for naming the class without building an object.
  static constexpr const char* kNombre = "Ordenador_Burbuja";
  // The name the replay page shows (see Nombre_Visible in
  // sorting/estrategias.h).
  static constexpr const char* kNombreVisible = "Burbuja";

  void Ordene(Contenedor_Ordenable& C) override;
  ~Ordenador_Burbuja() override;
  const char* Nombre() const override;
};

#endif  // ORDENAMIENTO_SORTING_ORDENADOR_BURBUJA_H_
