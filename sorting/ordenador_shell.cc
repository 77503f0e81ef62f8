#include "sorting/ordenador_shell.h"

#include "containers/contenedor_ordenable.h"

namespace {

// The smallest of the gaps 1, 4, 13, 40, ... at or above n / 3 (rounded down).
int Primer_Salto(int n) {
  int h = 1;
  while (h < n / 3) {
    h = 3 * h + 1;
  }
  return h;
}

}  // namespace

void Ordenador_Shell::Ordene(Contenedor_Ordenable& C) {
  int n = static_cast<int>(C.Dimension());
  for (int h = Primer_Salto(n); h >= 1; h /= 3) {
    // Insertion sort of each chain of positions h apart.
    for (int i = h; i < n; ++i) {
      for (int j = i; j >= h && C.Es_Menor(j, j - h); j -= h) {
        C.Intercambie(j, j - h);
      }
    }
  }
}

Ordenador_Shell::~Ordenador_Shell() = default;

const char* Ordenador_Shell::Nombre() const { return kNombre; }
