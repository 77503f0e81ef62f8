#include "sorting/ordenador_monticulo.h"

#include "containers/contenedor_ordenable.h"

namespace {

// Sinks the value at position k of the heap held in positions 0 to n - 1:
// exchanges it with its greater child while that child is greater than it.
void Hunda(Contenedor_Ordenable& C, int k, int n) {
  while (2 * k + 1 < n) {
    int hijo = 2 * k + 1;
    if (hijo + 1 < n && C.Es_Menor(hijo, hijo + 1)) {
      ++hijo;
    }
    if (!C.Es_Menor(k, hijo)) {
      return;
    }
    C.Intercambie(k, hijo);
    k = hijo;
  }
}

}  // namespace

void Ordenador_Monticulo::Ordene(Contenedor_Ordenable& C) {
  int n = static_cast<int>(C.Dimension());
  // Builds the heap from the last parent back to the root.
  for (int k = n / 2 - 1; k >= 0; --k) {
    Hunda(C, k, n);
  }
  // Takes the largest out of the heap, to the end, one at a time.
  for (int fin = n - 1; fin > 0; --fin) {
    C.Intercambie(0, fin);
    Hunda(C, 0, fin);
  }
}

Ordenador_Monticulo::~Ordenador_Monticulo() = default;

const char* Ordenador_Monticulo::Nombre() const { return kNombre; }
