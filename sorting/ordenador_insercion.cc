#include "sorting/ordenador_insercion.h"

#include "containers/contenedor_ordenable.h"

void Ordenador_Insercion::Ordene(Contenedor_Ordenable& C) {
  int n = static_cast<int>(C.Dimension());
  for (int i = 1; i < n; ++i) {
    for (int j = i; j > 0 && C.Es_Menor(j, j - 1); --j) {
      C.Intercambie(j, j - 1);
    }
  }
}

Ordenador_Insercion::~Ordenador_Insercion() = default;

const char* Ordenador_Insercion::Nombre() const { return kNombre; }
