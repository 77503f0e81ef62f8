#include "containers/contenedor_ordenable.h"

Contenedor_Ordenable::Contenedor_Ordenable(unsigned N) : Cantidad(N) {}

Contenedor_Ordenable::~Contenedor_Ordenable() = default;

bool Esta_Ordenado(const Contenedor_Ordenable& C) {
  // Tested first because the loop's bound, Dimension() - 1, would wrap round
  // to the largest unsigned value for an empty container.
  if (C.Dimension() == 0) {
    return true;
  }
  for (unsigned i = 0; i < C.Dimension() - 1; ++i) {
    if (C.Es_Menor(static_cast<int>(i + 1), static_cast<int>(i))) {
      return false;
    }
  }
  return true;
}
