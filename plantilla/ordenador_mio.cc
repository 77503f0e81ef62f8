#include "sorting/ordenador_mio.h"

#include "containers/contenedor_ordenable.h"

// What the replay page shows of this file, beside your strategy's panels:
// Ordene, every function of this file that Ordene calls by name, those
// that these call, and so on, with this file's line numbers; a "⋮" stands
// for the lines left out between them, such as the comments above each
// function. As the replay runs, the line that made each call of Es_Menor
// or Intercambie is lit, in Ordene or in a helper, and there may be as
// many such lines as you like. So:
// - keep your helpers in this file: in the anonymous namespace below, or
//   as private members of the class defined here. A call made from
//   another file lights no line;
// - write each call with its '(' on the line of its name, C.Es_Menor(i, j),
//   as clang-format does: a call split there leaves the whole file unlit.
// Code the page cannot read never stops the build: the build warns once,
// naming this file and saying why, and the page shows the file whole,
// with no line lit.

namespace {

// REPLACE from here to the end of Ordene with your own strategy. Keep the
// first line of Ordene as it is, with your class's name.

// The position of the largest value among positions 0 to n - 1 (the first
// of several equal ones).
int Posicion_Del_Mayor(const Contenedor_Ordenable& C, int n) {
  int mayor = 0;
  for (int i = 1; i < n; ++i) {
    if (C.Es_Menor(mayor, i)) {
      mayor = i;
    }
  }
  return mayor;
}

// Sorts positions 0 to n - 1: the largest value goes to n - 1, then the
// positions before it are sorted the same way.
void Ordene_Hasta(Contenedor_Ordenable& C, int n) {
  if (n < 2) {
    return;
  }
  int mayor = Posicion_Del_Mayor(C, n);
  if (mayor != n - 1) {
    C.Intercambie(mayor, n - 1);
  }
  Ordene_Hasta(C, n - 1);
}

}  // namespace

void Ordenador_Mio::Ordene(Contenedor_Ordenable& C) {
  Ordene_Hasta(C, static_cast<int>(C.Dimension()));
}

// Up to here. What follows stays as it is, with your class's name.

Ordenador_Mio::~Ordenador_Mio() = default;

const char* Ordenador_Mio::Nombre() const { return kNombre; }
