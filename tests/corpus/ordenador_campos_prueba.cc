#include "tests/corpus/ordenador_campos_prueba.h"

#include "containers/contenedor_ordenable.h"

void Ordenador_Campos_Prueba::Ordene(Contenedor_Ordenable& C) {
  struct {
    int i : 16;
  } p{};
  for (int fin = static_cast<int>(C.Dimension()); fin > 1; --fin) {
    for (p.i = 1; p.i < fin; p.i = p.i + 1) {
      if (C.Es_Menor(p.i, p.i - 1)) {  // tal cual
        C.Intercambie(p.i, p.i - 1);   // tal cual
      }
    }
  }
}
