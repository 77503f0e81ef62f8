#include "sorting/ordenador_burbuja_optimizada.h"

#include "containers/contenedor_ordenable.h"

void Ordenador_Burbuja_Optimizada::Ordene(Contenedor_Ordenable& C) {
  bool hubo_intercambio = true;
  int n = static_cast<int>(C.Dimension());
  while (n > 0 && hubo_intercambio) {
    hubo_intercambio = false;
    for (int i = 1; i < n; ++i) {
      if (C.Es_Menor(i, i - 1)) {
        C.Intercambie(i, i - 1);
        hubo_intercambio = true;
      }
    }
    --n;
  }
}

Ordenador_Burbuja_Optimizada::~Ordenador_Burbuja_Optimizada() = default;

const char* Ordenador_Burbuja_Optimizada::Nombre() const { return kNombre; }
