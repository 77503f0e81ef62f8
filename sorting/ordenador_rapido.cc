#include "sorting/ordenador_rapido.h"

#include "containers/contenedor_ordenable.h"

namespace {

// Partitions positions primero to ultimo around the value in their middle,
// the pivot, and returns the position it ends at: no value before it is
// greater, and none after it is smaller. The pivot waits at primero while
// i scans up past smaller values and j down past greater ones; each stops
// on an equal value too, and the two values they stop on are exchanged.
int Particione(Contenedor_Ordenable& C, int primero, int ultimo) {
  C.Intercambie(primero, primero + (ultimo - primero) / 2);
  int i = primero;
  int j = ultimo + 1;
  while (true) {
    do {
      ++i;
    } while (i < ultimo && C.Es_Menor(i, primero));
    do {
      --j;
    } while (j > primero && C.Es_Menor(primero, j));
    if (i >= j) {
      break;
    }
    C.Intercambie(i, j);
  }
  C.Intercambie(primero, j);
  return j;
}

// Sorts positions primero to ultimo.
void Ordene_Tramo(Contenedor_Ordenable& C, int primero, int ultimo) {
  if (primero >= ultimo) {
    return;
  }
  int pivote = Particione(C, primero, ultimo);
  Ordene_Tramo(C, primero, pivote - 1);
  Ordene_Tramo(C, pivote + 1, ultimo);
}

}  // namespace

void Ordenador_Rapido::Ordene(Contenedor_Ordenable& C) {
  Ordene_Tramo(C, 0, static_cast<int>(C.Dimension()) - 1);
}

Ordenador_Rapido::~Ordenador_Rapido() = default;

const char* Ordenador_Rapido::Nombre() const { return kNombre; }
