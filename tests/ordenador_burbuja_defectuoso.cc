// A broken Ordenador_Burbuja, linked into a test build of the driver in place
// of the real one: it sorts into descending order, so the driver's check must
// catch the very first demonstration.

#include "containers/contenedor_ordenable.h"
#include "sorting/ordenador_burbuja.h"

void Ordenador_Burbuja::Ordene(Contenedor_Ordenable& C) {
  const int n = static_cast<int>(C.Dimension());
  for (int pasada = 0; pasada < n; ++pasada) {
    for (int i = 1; i < n; ++i) {
      if (C.Es_Menor(i - 1, i)) {
        C.Intercambie(i, i - 1);
      }
    }
  }
}

Ordenador_Burbuja::~Ordenador_Burbuja() = default;

const char* Ordenador_Burbuja::Nombre() const { return "Ordenador_Burbuja"; }
