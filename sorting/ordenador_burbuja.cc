#include "sorting/ordenador_burbuja.h"

#include "containers/contenedor_ordenable.h"

void Ordenador_Burbuja::Ordene(Contenedor_Ordenable& C) {
  int n = static_cast<int>(C.Dimension());
  while (n > 0) {
    for (int i = 1; i < n; ++i) {
      if (C.Es_Menor(i, i - 1)) {
        C.Intercambie(i, i - 1);
      }
    }
    --n;
  }
}

Ordenador_Burbuja::~Ordenador_Burbuja() = default;

const char* Ordenador_Burbuja::Nombre() const { return kNombre; }
