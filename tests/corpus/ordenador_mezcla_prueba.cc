#include "tests/corpus/ordenador_mezcla_prueba.h"

#include "containers/contenedor_ordenable.h"

namespace {

// Carries the value at hasta down to desde, one place at a time.
void Rote(Contenedor_Ordenable& C, int desde, int hasta) {
  for (int k = hasta; k > desde; --k) {
    C.Intercambie(k, k - 1);  // luz
  }
}

// Merges the sorted runs of positions ini to med - 1 and med to fin - 1.
void Mezcle(Contenedor_Ordenable& C, int ini, int med, int fin) {
  for (int i = ini; i < med && med < fin; ++i) {
    if (C.Es_Menor(med, i)) {  // luz
      Rote(C, i, med);
      ++med;
    }
  }
}

void Ordene_Tramo(Contenedor_Ordenable& C, int ini, int fin) {
  if (fin - ini < 2) {
    return;
  }
  const int med = ini + (fin - ini) / 2;
  Ordene_Tramo(C, ini, med);
  Ordene_Tramo(C, med, fin);
  Mezcle(C, ini, med, fin);
}

}  // namespace

void Ordenador_Mezcla_Prueba::Ordene(Contenedor_Ordenable& C) {
  Ordene_Tramo(C, 0, static_cast<int>(C.Dimension()));
}
