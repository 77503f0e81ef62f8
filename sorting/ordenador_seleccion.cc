#include "sorting/ordenador_seleccion.h"

#include "containers/contenedor_ordenable.h"

void Ordenador_Seleccion::Ordene(Contenedor_Ordenable& C) {
  int n = static_cast<int>(C.Dimension());
  for (int i = 0; i < n - 1; ++i) {
    int m = i;
    for (int j = i + 1; j < n; ++j) {
      if (C.Es_Menor(j, m)) {
        m = j;
      }
    }
    C.Intercambie(i, m);
  }
}

Ordenador_Seleccion::~Ordenador_Seleccion() = default;

const char* Ordenador_Seleccion::Nombre() const { return kNombre; }
