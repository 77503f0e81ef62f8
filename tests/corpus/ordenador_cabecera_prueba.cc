#include "tests/corpus/ordenador_cabecera_prueba.h"

void Ordenador_Cabecera_Prueba::Ordene(Contenedor_Ordenable& C) {
  const int n = static_cast<int>(C.Dimension());
  for (int k = n / 2 - 1; k >= 0; --k) {
    Hunda(C, k, n);
  }
  for (int fin = n - 1; fin > 0; --fin) {
    C.Intercambie(0, fin);  // luz
    Hunda(C, 0, fin);
  }
}
