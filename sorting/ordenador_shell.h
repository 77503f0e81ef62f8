#ifndef ORDENAMIENTO_SORTING_ORDENADOR_SHELL_H_
#define ORDENAMIENTO_SORTING_ORDENADOR_SHELL_H_

#include "sorting/algoritmo_ordenador.h"

// Ordenador_Shell is Shell sort with Knuth's gaps 1, 4, 13, 40, ... (each
// 3h + 1), starting from the smallest of them at or above n / 3, rounded
// down (13 at n = 20, 1 below n = 6), and going down the list to 1. For
// each gap h it insertion-sorts, by exchanges, every chain of positions h
// apart, so that values travel far in few exchanges; the last pass, h = 1,
// is plain insertion sort on values already nearly in place. With these
// gaps it makes O(n^1.5) comparisons at worst, and far fewer on sorted
// input: n - h in the pass of gap h, one for each position from h on. It is
// not stable: an exchange h apart can carry a value past an equal one.
class Ordenador_Shell : public Algoritmo_Ordenador {
 public:
  // What Nombre() returns, for naming the class without building an object.
  static constexpr const char* kNombre = "Ordenador_Shell";
  // The name a reader is shown.
  static constexpr const char* kNombreVisible = "Shell";

  void Ordene(Contenedor_Ordenable& C) override;
  ~Ordenador_Shell() override;
  const char* Nombre() const override;
};

#endif  // ORDENAMIENTO_SORTING_ORDENADOR_SHELL_H_
